#pragma once

#include <QString>

namespace classes {

enum class SkinKind { Default, Xml };

// The zero text of the time labels: "00:00" with the built-in look, "00:00:00" with an XML skin.
QString ZeroClockText(SkinKind skin);

// The label text of a time in seconds. Whole seconds count from the start of each second (30.0 s reads
// 00:29, 30.2 s reads 00:30). The built-in look shows minutes and seconds, minutes going on past 59;
// an XML skin shows hours, minutes and seconds. A time of 0 or less, one that is not a number, and a
// text longer than the label holds (5 and 9 characters) give the zero text.
QString ClockText(double seconds, SkinKind skin);

}  // namespace classes
