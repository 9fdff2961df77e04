#include "app/pet_window.h"

#include <memory>
#include <optional>

#include "app/pet_window_host.h"
#include "app/pet_window_template.h"
#include "behaviour/pet_values.h"
#include "behaviour/scheduler.h"
#include "data/action_table.h"
#include "platform/host.h"
#include "platform/host_window.h"
#include "platform/run_time_error.h"
#include "platform/system_services.h"

namespace tibbo {
namespace {

std::unique_ptr<platform::HostWindow> petWindow;
std::unique_ptr<PetWindowHost> catHost;

platform::WindowEvents petWindowEvents(void (*firstActivated)()) {
  platform::WindowEvents events;
  events.created = onPetWindowCreated;
  events.firstActivated = firstActivated;
  events.willBeDestroyed = onPetWindowWillBeDestroyed;
  events.clicked[closeButtonName] = onCloseButtonClicked;
  return events;
}

}  // namespace

int programStart() { return programStart(onPetWindowFirstActivated); }

int programStart(void (*firstActivated)()) {
  if (!platform::initialiseHost()) return platform::runTimeErrorExitCode;
  platform::registerExitRoutine(releaseFolderTexts);
  if (!platform::HostWindow::load(petWindowTemplate(), petWindowEvents(firstActivated), petWindow))
    platform::raiseRunTimeError(std::nullopt, platform::startWindowLoadFailedMessage);
  // Normally the first activation runs the pet from here on and the process ends inside
  // it; the loop only runs until then.
  platform::runMessageLoop();
  return 0;
}

void onPetWindowCreated() {
  animationsDir = platform::joinTexts(platform::runDirectory(), "/animations/");
  soundsDir = platform::joinTexts(platform::runDirectory(), "/sounds/");
  catSprite = petWindow->createSprite(stageName, catSpriteTemplateName, 0, 0);
  petWindow->setHeight(petWindowHeight);
  petWindow->setWidth(petWindowWidth);
}

void attachBehaviourToPetWindow() {
  catHost = std::make_unique<PetWindowHost>(*petWindow);
  useHost(*catHost);
}

void onPetWindowFirstActivated() {
  attachBehaviourToPetWindow();
  showFrame(data::blinkFrames[0]);
  runAction(data::idleAction);
}

void onPetWindowWillBeDestroyed() { platform::endProgram(0); }

void onCloseButtonClicked() { petWindow->requestDestruction(false); }

void releaseFolderTexts() {
  animationsDir.clear();
  animationsDir.shrink_to_fit();
  soundsDir.clear();
  soundsDir.shrink_to_fit();
}

}  // namespace tibbo
