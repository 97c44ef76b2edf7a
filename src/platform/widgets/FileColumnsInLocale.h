#pragma once

#include <QIdentityProxyModel>
#include <QLocale>

// The columns of Qt's own file dialog that it words in the system's locale
// whatever the program's language (a file's size, its date) or leaves
// untranslated (a folder's type), worded in the dialogs' locale instead.
// The names and the order of the files are the dialog's own.
class FileColumnsInLocale final : public QIdentityProxyModel {
    Q_OBJECT
public:
    FileColumnsInLocale(const QLocale& locale, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // A size in bytes as the dialogs show it: "100 Б", "9,2 КБ".
    QString size(qint64 bytes) const;

private:
    QLocale m_locale;
};
