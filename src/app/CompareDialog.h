#pragma once

#include "Comparison.h"

#include <QDialog>

#include <optional>

class Dialogs;
class Preferences;
class QLabel;
class QTextDocument;
class QTreeWidget;

// The fields where two configurations differ, one row each with its page,
// caption and both values, in the pages' order. The list can be copied as
// text, printed or saved as PDF. Activating a row asks for its field on the
// pages; the one who asked answers with fieldShown. The dialog keeps the size
// it was given between runs.
class CompareDialog final : public QDialog {
    Q_OBJECT
public:
    static inline const QString SizeKey = QStringLiteral("compare/size");
    static constexpr int KeyRole = Qt::UserRole;   // the catalogue key of a row

    CompareDialog(Comparison comparison, Dialogs& dialogs, Preferences& preferences, const QString& folder,
                  QWidget* parent = nullptr);
    ~CompareDialog() override;

    const Comparison& comparison() const { return m_comparison; }

    // The headings and every row, a line each, the cells separated by tabs.
    QString listText() const;
    void copyList();
    void printList();
    void saveListPdf();

    // Where the field asked for is now in sight (global coordinates): the
    // dialog moves off it. Nothing: the pages do not show that field.
    void fieldShown(const std::optional<QRect>& where);

Q_SIGNALS:
    void fieldWanted(const QString& key);

private:
    QStringList headings() const;
    void fillDocument(QTextDocument& document) const;
    QSize openingSize() const;
    void keepClearOf(const QRect& area);

    Comparison m_comparison;
    Dialogs& m_dialogs;
    Preferences& m_preferences;
    QString m_folder;
    QTreeWidget* m_table = nullptr;
    QLabel* m_notShown = nullptr;
    QSize m_openedAt;
};
