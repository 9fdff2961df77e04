#include "behaviour/action_frames.h"

#include "behaviour/scheduler.h"
#include "data/action_table.h"
#include "platform/system_services.h"

namespace tibbo {

std::string actionFrameName(std::string_view prefix, int number) {
  const std::string digits = number < 10 ? "0" + platform::numberToText(number)
                                         : platform::numberToText(number);
  return std::string(prefix) + digits + ".jpg";
}

void playActionFrames() {
  const data::ActionRow* row = data::findAction(currentAction);
  actionDone = false;
  host().processEvents();
  if (row != nullptr) {
    for (int frame = 1; frame <= row->frameCount; ++frame) {
      pacedWait(data::frameIntervalMs);
      showFrame(actionFrameName(row->framePrefix, frame));
    }
  }
  actionDone = true;
}

}  // namespace tibbo
