#include "ChListBox.h"

namespace {

constexpr int KindRole = Qt::UserRole;

} // namespace

ChListBox::ChListBox(QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("ChListBox"));
}

void ChListBox::addEntry(const QString& text, int kind)
{
    auto* entry = new QListWidgetItem(text, this);
    entry->setData(KindRole, kind);
}

int ChListBox::entryKind(int row) const
{
    return item(row)->data(KindRole).toInt();
}

QString ChListBox::channelText(int kind)
{
    switch (kind) {
    case 0x11:
        return tr("Sim1 Первый номер");
    case 0x12:
        return tr("Sim1 Второй номер");
    case 0x21:
        return QStringLiteral("Sim1 VPN IP1");
    case 0x22:
        return QStringLiteral("Sim1 VPN IP2");
    case 0x23:
        return QStringLiteral("Sim1 PBL IP");
    case 0x31:
        return QStringLiteral("Ethernet IP1");
    case 0x32:
        return QStringLiteral("Ethernet IP2");
    default:
        return {};
    }
}
