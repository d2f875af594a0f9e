#pragma once

#include <QString>

// Wraps one command-line item in double quotes; nothing inside is escaped or tested.
QString QuoteArgument(const QString& text);
