#pragma once

// The software identification number the state assigns to the maker of the program. It is
// printed in the "ID:" fields of ST-1 and ST-14, in the "ID:" caption of the ST-8 and ST-2
// pages and inside the scan lines of ST-1 and ST-14. The fills take it through FillContext,
// so tests use their own.
inline constexpr int kVendorId = 4178;
