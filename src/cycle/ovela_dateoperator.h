#pragma once

// The cycle arithmetic compares dates by whole days: a < b exactly when a.daysTo(b) > 0, and
// a <= b when a.daysTo(b) >= 0. QDate's own operators order by Julian day, which is that very
// comparison, so they serve as they are.
#include <QDate>
