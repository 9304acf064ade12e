#pragma once
// printf-style formatting of the German message texts.

#include <string>
#include <string_view>

namespace zor {

std::string format(const char* muster, ...) __attribute__((format(printf, 1, 2)));

// A curve number as the shortest decimal that reads back to the same value: a value that is
// exactly a float (all curves and model values are) as the shortest float text ("0.9", not
// "0.899999976"), any other double as the shortest double text. Non-finite values print as
// "nan", "inf", "-inf". The CLI, the program's CSV export and the renderer all use it, so
// their outputs agree digit for digit.
std::string kurvenzahl(double v);

// A CSV of our writers (',' between fields, '.' in numbers, no quoted fields) as German
// spreadsheets read it: ';' between fields and the decimal comma.
std::string csvDeutsch(std::string_view csv);

}  // namespace zor
