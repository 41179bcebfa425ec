#include "platform/SessionBus.h"

#include "tests/support/EnvironmentVariable.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Where a session bus is, the program leaves the address alone, so the desktop's accessibility
// and settings reach the toolkit; where there is none, it sets one that fails at once.

namespace {

struct TBusEnvironment {
    TEnvironmentVariable Address { "DBUS_SESSION_BUS_ADDRESS" };
    TEnvironmentVariable Runtime { "XDG_RUNTIME_DIR" };
    TEnvironmentVariable Display { "DISPLAY" };
    TTempDir Folder { "kdbus" };
};

// A listening socket at `path`, closed (and the path left) when the object goes.
class TBusSocket {
public:
    explicit TBusSocket(const std::string& path)
        : m_fd(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::listen(m_fd, 1);
    }
    ~TBusSocket() { ::close(m_fd); }
    TBusSocket(const TBusSocket&) = delete;
    TBusSocket& operator=(const TBusSocket&) = delete;

private:
    int m_fd;
};

} // namespace

TEST(SessionBus, ABusInTheEnvironmentOrTheRuntimeFolderIsLeftAlone)
{
    TBusEnvironment environment;
    environment.Display.Unset();
    environment.Runtime.Set(environment.Folder.Path().string());

    environment.Address.Set("unix:path=/run/user/1000/bus");
    EXPECT_TRUE(SessionBusExists());
    NoSessionBusAutolaunch();
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/run/user/1000/bus");

    // The user's bus in the runtime folder is found without an address; a plain file there is no bus.
    environment.Address.Unset();
    {
        TBusSocket bus((environment.Folder.Path() / "bus").string());
        EXPECT_TRUE(SessionBusExists());
        NoSessionBusAutolaunch();
        EXPECT_EQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr);
    }
    ::unlink((environment.Folder.Path() / "bus").c_str());
    ::close(::creat((environment.Folder.Path() / "bus").c_str(), 0600));
    EXPECT_FALSE(SessionBusExists());
}

TEST(SessionBus, WithoutABusTheAddressIsOneThatCannotAutolaunch)
{
    TBusEnvironment environment;
    environment.Display.Unset();
    environment.Address.Unset();
    environment.Runtime.Set(environment.Folder.Path().string());
    ASSERT_FALSE(SessionBusExists());

    NoSessionBusAutolaunch();
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(std::string(address).find("autolaunch"), std::string::npos);
    EXPECT_NE(std::string(address), "");
}
