#pragma once

#include "Comparison.h"

#include <QDialog>
#include <QHash>

#include <optional>

class Dialogs;
class Preferences;
class QCheckBox;
class QLabel;
class QPushButton;
class QTextDocument;
class QTreeWidget;

// The fields where two configurations differ, one row each with its page,
// caption and both values, in the pages' order. The list can be copied as
// text, printed or saved as PDF. Activating a row asks for its field on the
// pages; the one who asked answers with fieldShown. Each row has a tick box:
// "Взять отмеченные" asks for the ticked fields to be taken onto the pages,
// and "Отменить" for the last take to be undone; the one who asked answers
// with the comparison as it then is. The dialog keeps the size it was given
// between runs.
class CompareDialog final : public QDialog {
    Q_OBJECT
public:
    static inline const QString SizeKey = QStringLiteral("compare/size");
    static constexpr int KeyRole = Qt::UserRole;   // the catalogue key of a row

    CompareDialog(Comparison comparison, Dialogs& dialogs, Preferences& preferences, const QString& folder,
                  QWidget* parent = nullptr);
    ~CompareDialog() override;

    const Comparison& comparison() const { return m_comparison; }
    // The catalogue keys of the ticked rows, in the rows' order.
    QStringList tickedKeys() const;

    // The headings and every row, a line each, the cells separated by tabs.
    QString listText() const;
    void copyList();
    void printList();
    void saveListPdf();

    // Where the field asked for is now in sight (global coordinates): the
    // dialog moves off it. Nothing: the pages do not show that field.
    void fieldShown(const std::optional<QRect>& where);

    // Withheld while the pages may not be changed, as during a transfer.
    void setTakingOffered(bool offered);
    // The rows made anew; a row keeps the tick its field had.
    void showComparison(Comparison comparison);
    // After a take of `taken` fields, with what changed along with them: the
    // comparison as it now is, and the take offered to be undone.
    void showTaken(Comparison now, int taken, const QStringList& carried);
    void showUndone(Comparison now);

Q_SIGNALS:
    void fieldWanted(const QString& key);
    void takeWanted(const QStringList& keys);
    void undoWanted();

private:
    void fillRows();
    void tickAll(bool ticked);
    // The take and undo as offered, and "Все" as the rows are ticked.
    void offerButtons();
    QStringList headings() const;
    void fillDocument(QTextDocument& document) const;
    QSize openingSize() const;
    void keepClearOf(const QRect& area);

    Comparison m_comparison;
    Dialogs& m_dialogs;
    Preferences& m_preferences;
    QString m_folder;
    QWidget* m_rowsArea = nullptr;
    QTreeWidget* m_table = nullptr;
    QHash<QString, bool> m_ticks;   // by catalogue key, as the user left them
    QLabel* m_notShown = nullptr;
    QCheckBox* m_tickAll = nullptr;
    QPushButton* m_take = nullptr;
    QPushButton* m_undo = nullptr;
    QLabel* m_takeResult = nullptr;
    bool m_takingOffered = true;
    bool m_undoOffered = false;
    QSize m_openedAt;
};
