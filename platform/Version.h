#pragma once

// The version of the program, as the About box shows it and the update check compares it.
inline constexpr char kVersionText[] = "2.0.97";
