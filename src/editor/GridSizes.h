#pragma once

// Sizes of the string grids of the zone and text pages, in pixels and cells.
namespace GridSizes {

constexpr int RowHeight = 18;

constexpr int ZoneColumns = 9;
constexpr int ZoneRows = 9;
constexpr int ZoneCaptionWidth = 118;
constexpr int ZoneColumnWidth = 55;
constexpr int ZoneNumberDigits = 4;
constexpr int Zones = 8;

constexpr int UserColumns = 9;
constexpr int UserRows = 33;
constexpr int UserColumnWidth = 30;
constexpr int MaxUsers = 32;
constexpr int MaxGroups = 8;

constexpr int TextLength = 30;
constexpr int TextStartLength = 29;

} // namespace GridSizes
