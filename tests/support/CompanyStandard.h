#pragma once

#include "ConfigImage.h"

#include <QByteArray>
#include <QStringList>

// A company's standard as a template for zq22 check and zq22 library check:
// the monitoring phone, the balance request and one notification text.
namespace CompanyStandard {

QByteArray json();

// A configuration that follows the standard, with a field it does not name
// changed too; of the panel with this account number.
ConfigImage follower(quint16 account);

// What check prints of the factory configuration against the standard, after
// the columns that name the configuration.
QStringList factoryLines();

} // namespace CompanyStandard
