#pragma once

namespace kep {

// A service that each thread may replace for itself: `Default` until something
// else is installed on the thread. Files measured on different threads thus never
// share a clock or a message sink, and tests install fakes without locking.
template <typename Service, typename Default>
class ThreadService {
 public:
  static Service& Current() {
    static Default fallback;
    return t_installed != nullptr ? *t_installed : fallback;
  }

  // Installs a service for this thread (nullptr restores the default) and
  // returns the previous one.
  static Service* Install(Service* service) {
    Service* previous = t_installed;
    t_installed = service;
    return previous;
  }

 private:
  static inline thread_local Service* t_installed = nullptr;
};

// Installs a service for this thread while the guard lives, then puts the
// previous one back.
template <typename Service, typename Default>
class ScopedService {
 public:
  explicit ScopedService(Service& service)
      : m_previous(ThreadService<Service, Default>::Install(&service)) {}
  ~ScopedService() { ThreadService<Service, Default>::Install(m_previous); }
  ScopedService(const ScopedService&) = delete;
  ScopedService& operator=(const ScopedService&) = delete;

 private:
  Service* m_previous;
};

}  // namespace kep
