#pragma once

#include "tests/support/SoundFiles.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

// Whether `condition` came true within `deadline`.
inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// A PulseAudio server of the test's own in `folder`, with one null sink whose monitor is the
// default source: a tone played into the sink is what a recording hears. It listens only on
// Address() and goes with the object.
class TPulseServer {
public:
    explicit TPulseServer(const std::filesystem::path& folder)
        : m_folder(folder)
    {
        std::filesystem::create_directories(folder / "run");
        std::filesystem::create_directories(folder / "home");
        std::filesystem::permissions(folder / "run", std::filesystem::perms::owner_all);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString((folder / "home").string()));
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((folder / "run").string()));
        environment.insert("PULSE_SERVER", QString::fromStdString(Address()));
        m_server.setProcessEnvironment(environment);
        m_server.setStandardOutputFile(QString::fromStdString((folder / "server.log").string()));
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start("pulseaudio", { "-n", "--daemonize=no", "--system=false", "--exit-idle-time=-1", "--disable-shm=yes",
                                       "-L", "module-null-sink sink_name=null",
                                       "-L", QString::fromStdString("module-native-protocol-unix auth-anonymous=1 socket=" + Socket()) });
        m_tone.setProcessEnvironment(environment);
    }

    ~TPulseServer()
    {
        Thaw();
        for (QProcess* process : { &m_tone, &m_server }) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->kill();
            process->waitForFinished(5000);
        }
    }

    std::string Socket() const { return (m_folder / "run" / "native").string(); }
    std::string Address() const { return "unix:" + Socket(); }

    // Waits until the server answers, then makes the sink's monitor the default source.
    bool WaitReady()
    {
        return WaitUntil([this] { return m_server.state() == QProcess::NotRunning || Control({ "info" }); }, std::chrono::seconds(20))
            && Control({ "set-default-source", "null.monitor" });
    }

    // Plays a tone of `frequency` into the sink for half a minute; returns once its stream is there.
    bool PlayTone(double frequency)
    {
        const std::filesystem::path file = m_folder / "tone.f32";
        const std::vector<float> samples = ToneSamples(48000, 1, 0, 30, 0.5, frequency);
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(samples.data()),
                                                    std::streamsize(samples.size() * sizeof(float)));
        m_tone.start("pacat", { "--playback", "--raw", "--device=null", "--format=float32le", "--rate=48000",
                                "--channels=1", QString::fromStdString(file.string()) });
        return WaitUntil([this] { return Streams() > 0; }, std::chrono::seconds(10));
    }

    // How many streams play into the server now (-1 when it does not answer).
    int Streams() { return Count("sink-inputs"); }

    void Kill()
    {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
    // A server that stops answering, and one that answers again.
    void Freeze() { ::kill(pid_t(m_server.processId()), SIGSTOP); }
    void Thaw()
    {
        if (m_server.state() != QProcess::NotRunning)
            ::kill(pid_t(m_server.processId()), SIGCONT);
    }

private:
    int Count(const QString& streams)
    {
        QByteArray listed;
        return Control({ "list", "short", streams }, &listed) ? int(listed.count('\n')) : -1;
    }

    bool Control(const QStringList& arguments, QByteArray* output = nullptr)
    {
        QProcess pactl;
        pactl.setProcessEnvironment(m_server.processEnvironment());
        pactl.start("pactl", arguments);
        if (!pactl.waitForFinished(2000) || pactl.exitStatus() != QProcess::NormalExit || pactl.exitCode() != 0)
            return false;
        if (output)
            *output = pactl.readAllStandardOutput();
        return true;
    }

    std::filesystem::path m_folder;
    QProcess m_server;
    QProcess m_tone;
};
