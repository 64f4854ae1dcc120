#pragma once

#include "course/CourseModel.h"

#include <QString>

// The hint text `number`, or the designed caption where the course's hint
// table has no entry for it.
inline QString HintOr(int number, const QString& designed)
{
    const QString text = HintText(number);
    return text.isEmpty() ? designed : text;
}
