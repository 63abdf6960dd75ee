// "What is this?" help for screen readers: while a topic is on show, the control
// it explains carries the topic text as its accessible description, and the
// pop-up itself is named, so assistive technology reads what the eye sees.
#pragma once

class QString;
class QWidget;

namespace velmor {

// Call right after the platform's What's This pop-up has been shown for
// `control` (which may be null) with `html`. When that pop-up closes, or the
// next topic is shown, the control gets its own description back.
void speakHelpTopic(QWidget* control, const QString& html);

}  // namespace velmor
