// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/visible_text_validator.h"

#include "model/text/numeric_text.h"

#include <utility>

namespace main_window {

QValidator::State VisibleTextValidator::validate(QString &input, int &pos) const
{
    // The line edit takes the edited text as it stands when the state is
    // not Invalid; Invalid would refuse the whole paste.
    qsizetype cursor = pos;
    QString visible = model::visibleFieldText(input, &cursor);
    if (visible != input) {
        input = std::move(visible);
        pos = int(cursor);
    }
    return Acceptable;
}

} // namespace main_window
