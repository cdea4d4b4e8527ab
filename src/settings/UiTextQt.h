#pragma once
// The interface texts as the widgets want them.
#include <QString>

#include "settings/UiText.h"

namespace sv {

inline QString Ui(int index) {
    return QString::fromStdString(UiText[index]);
}

inline QString ProgramTitle() {
    return QString::fromUtf8(kProgramTitle);
}

} // namespace sv
