#pragma once
#include "platform/host_window.h"
#include "platform/pet_host.h"

namespace tibbo {

// The cat's host in the running program: the pet window, its stage and timers, and the
// system's files and clock.
class PetWindowHost final : public PetHost {
 public:
  explicit PetWindowHost(platform::HostWindow& window) : window_(window) {}

  Bytes readFile(const std::string& path) override;
  void setSpritePicture(int sprite, const Bytes& picture) override;
  bool petWindowVisible() override;
  void setSoundSyncPeriod(int ms) override;
  void processEvents() override;
  std::uint32_t tickCount() override;
  WindowsCalls& windows() override;

 private:
  platform::HostWindow& window_;
};

}  // namespace tibbo
