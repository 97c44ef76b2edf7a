#include "FileColumnsInLocale.h"

#include <QFileSystemModel>
#include <QMimeDatabase>

namespace {

// The columns of QFileSystemModel.
enum Column { NameColumn, SizeColumn, TypeColumn, DateColumn };

constexpr int UnitStep = 1024;

} // namespace

FileColumnsInLocale::FileColumnsInLocale(const QLocale& locale, QObject* parent)
    : QIdentityProxyModel(parent)
    , m_locale(locale)
{
}

QString FileColumnsInLocale::size(qint64 bytes) const
{
    if (bytes < UnitStep)
        return tr("%1 Б").arg(m_locale.toString(bytes));
    const QString units[] = {tr("%1 КБ"), tr("%1 МБ"), tr("%1 ГБ"), tr("%1 ТБ")};
    double value = double(bytes) / UnitStep;
    std::size_t unit = 0;
    while (value >= UnitStep && unit + 1 < std::size(units)) {
        value /= UnitStep;
        ++unit;
    }
    return units[unit].arg(m_locale.toString(value, 'f', 1));
}

QVariant FileColumnsInLocale::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || index.column() == NameColumn)
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    switch (index.column()) {
    case SizeColumn: return info.isDir() ? QString() : size(info.size());
    case DateColumn: return m_locale.toString(info.lastModified(), QLocale::ShortFormat);
    case TypeColumn:
        // A file's type is its MIME comment, in the default locale's language;
        // what is not a file (a folder, a pipe) is named the same way.
        if (!info.isFile())
            return QMimeDatabase().mimeTypeForFile(info).comment();
        break;
    default: break;
    }
    return QIdentityProxyModel::data(index, role);
}
