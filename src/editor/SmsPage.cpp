#include "SmsPage.h"

#include "Controls.h"
#include "Dialogs.h"
#include "ImageChecks.h"
#include "InputFilter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int PhoneLength = 13;
constexpr int ShortestFullNumber = 12;
constexpr int BalanceRequestLength = 10;

QString rowName(const char* stem, int row)
{
    return QLatin1String(stem) + QString::number(row);
}

} // namespace

SmsPage::SmsPage(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("SheetVoice"));

    QGroupBox* phones = Controls::group("grpPhSMS", QStringLiteral(" SIM 1 "));
    auto* grid = new QGridLayout(phones);
    grid->addWidget(Controls::label("Label14", tr("Номер"), nullptr), 0, 1);
    grid->addWidget(Controls::label("lbl7", tr("Звонок"), nullptr), 0, 2);
    for (int i = 0; i < Rows; ++i) {
        const int k = i + 1;
        phV[i] = Controls::lineEdit(nullptr, PhoneLength);
        phV[i]->setObjectName(rowName("PhV", k));
        InputFilter::install(phV[i], InputFilter::Kind::Phone);
        lblP[i] = Controls::label(nullptr, QString::number(k), phV[i]);
        lblP[i]->setObjectName(rowName("lblP", k));
        // The column caption above names the box; the box itself stays compact.
        chkCh[i] = Controls::checkBox(nullptr, {});
        chkCh[i]->setObjectName(rowName("chkCh", k));
        chkCh[i]->setAccessibleName(tr("Звонок"));
        chkCh[i]->setEnabled(false);
        lblP[i]->setEnabled(i == 0);
        phV[i]->setEnabled(i == 0);
        grid->addWidget(lblP[i], k, 0);
        grid->addWidget(phV[i], k, 1);
        grid->addWidget(chkCh[i], k, 2, Qt::AlignHCenter);
        connect(phV[i], &QLineEdit::textChanged, this, [this, field = phV[i]] { PhV1Change(field); });
    }
    grid->setColumnStretch(1, 1);

    edtBl = Controls::lineEdit("edtBl", BalanceRequestLength);
    InputFilter::install(edtBl, InputFilter::Kind::BalanceRequest);
    auto* balance = new QGridLayout;
    Controls::addRow(balance, "lbl4", tr("Запрос баланса"), edtBl);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(phones);
    layout->addLayout(balance);
    layout->addStretch();
}

void SmsPage::PhV1Change(QLineEdit* field)
{
    // Rows are found by name, so a row past the last one is simply missing.
    const QString name = field->objectName();
    const int k = name.right(1).toInt();
    auto* nextField = findChild<QLineEdit*>(rowName("PhV", k + 1));
    auto* nextLabel = findChild<QLabel*>(rowName("lblP", k + 1));
    auto* callBox = findChild<QCheckBox*>(rowName("chkCh", k));

    const qsizetype length = field->text().length();
    if (length == ShortestFullNumber || length == PhoneLength) {
        if (nextField)
            nextField->setEnabled(true);
        if (field->text().startsWith(u'+')) {
            if (nextLabel)
                nextLabel->setEnabled(true);
            if (callBox)
                callBox->setEnabled(true);
        } else {
            const ImageChecks::Message malformed = ImageChecks::malformedPhone();
            m_dialogs.message(Dialogs::Message::error(malformed.text, malformed.caption));
        }
    } else if (length == 0) {
        if (nextLabel)
            nextLabel->setEnabled(false);
        if (callBox)
            callBox->setEnabled(false);
    }
}
