#pragma once
// What the cat's behaviour asks of its host, in the pet's own words. The program answers
// with the real window; tests answer with a recording stand-in on a virtual clock.
#include <cstdint>
#include <string>

#include "platform/bytes.h"
#include "platform/windows_calls.h"

namespace tibbo {

class PetHost {
 public:
  virtual ~PetHost() = default;

  // The whole file, or the empty buffer when it is missing or unreadable.
  virtual Bytes readFile(const std::string& path) = 0;
  // Sets a sprite's picture on the stage; undecodable bytes leave it without one.
  virtual void setSpritePicture(int sprite, const Bytes& picture) = 0;
  // True while the pet window is shown; false once its destruction has begun.
  virtual bool petWindowVisible() = 0;
  // The sound-sync timer's period: a new value restarts it, 0 or less stops it.
  virtual void setSoundSyncPeriod(int ms) = 0;
  // Dispatches what is waiting, never blocking.
  virtual void processEvents() = 0;
  // The millisecond tick count: monotonic, 32 bits, wrapping.
  virtual std::uint32_t tickCount() = 0;
  // The waitable-timer calls of the paced wait.
  virtual WindowsCalls& windows() = 0;
};

}  // namespace tibbo
