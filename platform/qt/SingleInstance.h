#pragma once

namespace kiv {

// A per-user lock held for the life of the process: an abstract-namespace socket, which the
// kernel releases when its owner dies, so a crash cannot leave it behind and no file is
// written.
class SingleInstance {
  public:
    // True when another instance of this user holds the lock; otherwise this one takes it.
    bool anotherRuns();

  private:
    int socket_ = -1;  // never closed: the lock lives until the process ends
};

}  // namespace kiv
