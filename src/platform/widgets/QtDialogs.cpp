#include "QtDialogs.h"

#include "FileColumnsInLocale.h"
#include "PortList.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Stop: return QMessageBox::Critical;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The default locale for as long as a file dialog lives: Qt's dialog names
// a file's type in its language, from a thread of its own. The widgets of
// the pages keep the locale they were made with.
class DefaultLocaleWhile {
public:
    explicit DefaultLocaleWhile(const QLocale& locale)
        : m_previous(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~DefaultLocaleWhile() { QLocale::setDefault(m_previous); }
    DefaultLocaleWhile(const DefaultLocaleWhile&) = delete;
    DefaultLocaleWhile& operator=(const DefaultLocaleWhile&) = delete;

private:
    const QLocale m_previous;
};

std::optional<QString> runFileDialog(QWidget* parent, const QLocale& locale, const Dialogs::FileRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    const DefaultLocaleWhile dialogsLocale(locale);
    QFileDialog dialog(parent, request.title);
    dialog.setLocale(locale);
    dialog.setProxyModel(new FileColumnsInLocale(locale, &dialog));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

Dialogs::Answer QtDialogs::message(const Message& message)
{
    QMessageBox box(toQt(message.icon), message.caption, message.text, QMessageBox::NoButton, m_parent);
    if (message.onTop)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.defaultButton == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtDialogs::openFile(const FileRequest& request)
{
    return runFileDialog(m_parent, m_locale, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(const FileRequest& request)
{
    return runFileDialog(m_parent, m_locale, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtDialogs::choosePort()
{
    // The field also takes a typed device path, such as the pseudo-terminal of
    // the virtual panel.
    bool ok = false;
    const QString choice = QInputDialog::getItem(
        m_parent, QCoreApplication::translate("QtDialogs", "Выбор порта"),
        QCoreApplication::translate("QtDialogs", "Порт ППК (из списка или путь к устройству):"), PortList::choices(), 0,
        true, &ok);
    const QString port = PortList::portOf(choice);
    if (!ok || port.isEmpty())
        return std::nullopt;
    return port;
}

bool QtDialogs::setUpPrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}
