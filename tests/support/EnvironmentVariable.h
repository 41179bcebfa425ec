#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets or clears an environment variable for a test and restores it when the object goes.
class TEnvironmentVariable {
public:
    explicit TEnvironmentVariable(const char* name)
        : m_name(name)
    {
        if (const char* value = std::getenv(name))
            m_saved = value;
    }
    ~TEnvironmentVariable()
    {
        if (m_saved)
            ::setenv(m_name, m_saved->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    TEnvironmentVariable(const TEnvironmentVariable&) = delete;
    TEnvironmentVariable& operator=(const TEnvironmentVariable&) = delete;

    void Set(const std::string& value) { ::setenv(m_name, value.c_str(), 1); }
    void Unset() { ::unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};
