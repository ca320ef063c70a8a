// Sets an environment variable for a scope, for code that reads it with getenv(); the C
// runtime's own environment on both platforms (setenv on POSIX, _putenv_s on Windows).
#pragma once

#include <cstdlib>
#include <string>

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) { Set(value); }
    ~ScopedEnv() { Set(nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Set(const char* value) {
#if defined(_WIN32)
        _putenv_s(name_.c_str(), value ? value : "");  // an empty value removes it
#else
        if (value) {
            setenv(name_.c_str(), value, 1);
        } else {
            unsetenv(name_.c_str());
        }
#endif
    }
    std::string name_;
};
