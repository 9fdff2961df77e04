#include "app/pet_window_host.h"

#include "app/pet_window_template.h"
#include "platform/host.h"
#include "platform/system_services.h"

namespace tibbo {

Bytes PetWindowHost::readFile(const std::string& path) { return platform::readFile(path); }

void PetWindowHost::setSpritePicture(int sprite, const Bytes& picture) {
  window_.setSpritePicture(stageName, sprite, picture);
}

bool PetWindowHost::petWindowVisible() { return window_.visible(); }

void PetWindowHost::setSoundSyncPeriod(int ms) { window_.setTimerPeriod(soundSyncTimerName, ms); }

void PetWindowHost::processEvents() { platform::processEvents(); }

std::uint32_t PetWindowHost::tickCount() { return platform::tickCount(); }

WindowsCalls& PetWindowHost::windows() { return boundWindowsCalls(); }

}  // namespace tibbo
