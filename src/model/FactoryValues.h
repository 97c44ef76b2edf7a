#pragma once

// The panel's factory configuration in the units the pages show: what a new
// window and "Заводские установки" put on the pages. The editor puts them
// there, and the factory image stores them as the builder would.
namespace FactoryValues {

constexpr unsigned Account = 0xEC22;  // the panel identifier, shown as four hexadecimal digits
constexpr unsigned MacNumber = 38061;
constexpr unsigned ConfiguratorPort = 99999;  // the field's initial text; more than the image's 16 bits hold
constexpr unsigned LocalPort = 9999;
constexpr int SirenSeconds = 20;
constexpr int SensitivityMs = 60;  // every zone's
// The arming zone's entry delay and the exit delay of the group the zones are put in.
constexpr int EntryExitDelaySeconds = 30;

} // namespace FactoryValues
