#pragma once

#include <QLabel>

// A two-state light: green when lit, neutral when out.
class StatusLight final : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool lit READ isLit WRITE setLit)
public:
    explicit StatusLight(QWidget* parent = nullptr);

    bool isLit() const { return m_lit; }
    void setLit(bool lit);

private:
    bool m_lit = false;
};
