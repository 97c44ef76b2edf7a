#include "StatusLight.h"

namespace {
constexpr int Diameter = 14;
}

StatusLight::StatusLight(QWidget* parent)
    : QLabel(parent)
{
    setFixedSize(Diameter, Diameter);
    setLit(false);
}

void StatusLight::setLit(bool lit)
{
    m_lit = lit;
    setStyleSheet(QStringLiteral("border: 1px solid #606060; border-radius: %1px; background: %2;")
                      .arg(Diameter / 2)
                      .arg(lit ? QStringLiteral("#20c020") : QStringLiteral("#c8c8c8")));
    setAccessibleDescription(lit ? tr("Удаленный ППК подключен") : tr("Нет удаленного ППК"));
}
