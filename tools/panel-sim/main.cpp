// orvanta-panel-sim: a virtual Orvanta panel on a pseudo-terminal or a serial device.
#include "PanelServer.h"
#include "SoundListener.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <pthread.h>
#include <string>
#include <thread>
#include <unistd.h>

using namespace orvanta::sim;

namespace {

const char *const Usage = R"(Usage: orvanta-panel-sim [options]

A virtual Orvanta panel. Without --device it opens a pseudo-terminal and prints the device
path the tool should open as its serial port, then answers the panel's commands until stopped
(Ctrl+C).

Line:
  --device PATH        serve an existing serial device (19200 bit/s, 8N1) instead
  --link PATH          also make PATH a symbolic link to the pseudo-terminal
State:
  --state FILE         load the panel's state from FILE and save it there on every change
  --firmware TEXT      the firmware version text (default "VER 03.07 ORVANTA GSM")
  --key HEX            a key held at the reader: 16 hex digits in the panel's byte order
  --key-wait MS        how long "+T00" waits for a key (default 3000)
  --transcript FILE    append every command received, with its time in ms, to FILE
  --listen FOLDER      listen to the default sound input while a message is recorded
                       ("+J" to "+j") and keep each as FOLDER/NN.wav (message NN)
  --read-sound-input   only write what the default sound input hears to standard output
                       (16-bit mono 44.1 kHz), until it stops: what --listen reads
Faults:
  --only PREFIX        the faults below apply only to commands beginning with PREFIX
  --refuse             answer ERROR and change nothing
  --forget             answer a write OK but keep the old value
  --silent             never answer
  --delay MS           wait before each reply
  --chunk N            send replies in pieces of N bytes
  --chunk-pause MS     pause between pieces (default 150)
  --split-ok           pause between the "O" and the "K" of "OK"
  --echo               send each command back before its reply
  --lower-hex          hex digits in lower case
  --no-value-crlf      drop the CR LF after values
  --garbage            replace values by characters that are no hex digits
  --value TEXT         replace values by TEXT
  --nul-bytes          a NUL byte after every reply byte
  --overlong           make every reply longer than 254 bytes
  --repeat MS          send each reply again MS ms later
  --hang-up-after N    close the line 200 ms after the reply to the Nth command
                       (to the tool it looks like an unplugged adapter)
  --stuck-cell ADDR    a memory byte (decimal address) that never keeps what is written
  --help               this text
)";

int number(const char *text, const char *option)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 1'000'000) {
        std::cerr << "orvanta-panel-sim: " << option << " needs a whole number\n";
        std::exit(2);
    }
    return int(value);
}

// Ends the service on Ctrl+C or termination, from a thread of its own. The thread is woken and
// joined before the server is destroyed, so a signal that arrives as the line hangs up never
// reaches a server that is gone.
class StopOnSignal
{
public:
    StopOnSignal(PanelServer &server, sigset_t stopSignals)
        : m_thread([&server, stopSignals] {
            int received = 0;
            sigwait(&stopSignals, &received);
            server.stop();
        })
    {}
    ~StopOnSignal()
    {
        // SIGTERM is blocked in every thread and taken by the sigwait above: it ends the wait,
        // not the process.
        // NOLINTNEXTLINE(bugprone-bad-signal-to-kill-thread)
        pthread_kill(m_thread.native_handle(), SIGTERM);
        m_thread.join();
    }
    StopOnSignal(const StopOnSignal &) = delete;
    StopOnSignal &operator=(const StopOnSignal &) = delete;

private:
    std::thread m_thread;
};

} // namespace

int main(int argc, char **argv)
{
    PanelState state;
    PanelFaults faults;
    std::string device, link, stateFile, transcriptFile, listenFolder;
    std::optional<std::string> firmware, readerKey;
    int keyWait = 3000;

    if (argc == 2 && std::strcmp(argv[1], "--read-sound-input") == 0)
        return ReadSoundInput(argc, argv);

    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const auto value = [&]() -> const char * {
            if (i + 1 >= argc) {
                std::cerr << "orvanta-panel-sim: " << option << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        if (option == "--help" || option == "-h") {
            std::cout << Usage;
            return 0;
        } else if (option == "--device")
            device = value();
        else if (option == "--link")
            link = value();
        else if (option == "--state")
            stateFile = value();
        else if (option == "--firmware")
            firmware = value();
        else if (option == "--key")
            readerKey = value();
        else if (option == "--key-wait")
            keyWait = number(value(), "--key-wait");
        else if (option == "--transcript")
            transcriptFile = value();
        else if (option == "--listen")
            listenFolder = value();
        else if (option == "--only")
            faults.onlyCommand = value();
        else if (option == "--forget")
            faults.forget = true;
        else if (option == "--repeat")
            faults.repeatAfterMs = number(value(), "--repeat");
        else if (option == "--silent")
            faults.silent = true;
        else if (option == "--refuse")
            faults.refuse = true;
        else if (option == "--delay")
            faults.delayMs = number(value(), "--delay");
        else if (option == "--chunk")
            faults.chunkSize = size_t(number(value(), "--chunk"));
        else if (option == "--chunk-pause")
            faults.chunkPauseMs = number(value(), "--chunk-pause");
        else if (option == "--split-ok")
            faults.splitOK = true;
        else if (option == "--echo")
            faults.echo = true;
        else if (option == "--lower-hex")
            faults.lowerCaseHex = true;
        else if (option == "--no-value-crlf")
            faults.dropValueLineEnd = true;
        else if (option == "--garbage")
            faults.garbageValue = true;
        else if (option == "--value")
            faults.value = value();
        else if (option == "--nul-bytes")
            faults.nulBytes = true;
        else if (option == "--overlong")
            faults.overlong = true;
        else if (option == "--hang-up-after")
            faults.hangUpAfter = number(value(), "--hang-up-after");
        else if (option == "--stuck-cell")
            faults.stuckCell = number(value(), "--stuck-cell");
        else {
            std::cerr << "orvanta-panel-sim: unknown option " << option << " (see --help)\n";
            return 2;
        }
    }

    try {
        if (!stateFile.empty() && ::access(stateFile.c_str(), F_OK) == 0)
            state = PanelState::load(stateFile);
        if (firmware)
            state.version = *firmware;
        if (readerKey) {
            state.readerKey.emplace();
            if (!parseHex(*readerKey, state.readerKey->data(), 8))
                throw std::runtime_error("--key needs 16 hex digits");
        }

        // Ctrl+C and termination end the service from a thread of their own.
        sigset_t stopSignals;
        sigemptyset(&stopSignals);
        sigaddset(&stopSignals, SIGINT);
        sigaddset(&stopSignals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

        PanelServer server(state, faults);
        server.setStateFile(stateFile);
        server.setTranscriptFile(transcriptFile);
        server.setKeyWaitMs(keyWait);
        std::string path = device;
        if (device.empty())
            path = server.openPseudoTerminal();
        else
            server.openDevice(device);
        if (!link.empty()) {
            ::unlink(link.c_str());
            if (::symlink(path.c_str(), link.c_str()) != 0)
                throw std::runtime_error("cannot make the link " + link + ": " +
                                         std::strerror(errno));
        }
        // The sound input needs Qt's event loop on this thread; the line is served beside it. The
        // panel is said to be there only once it hears, so that no message is played unheard.
        std::unique_ptr<QCoreApplication> application;
        std::unique_ptr<SoundListener> hearing;
        if (!listenFolder.empty()) {
            application = std::make_unique<QCoreApplication>(argc, argv);
            hearing = std::make_unique<SoundListener>(QString::fromStdString(listenFolder));
            hearing->start();
        }
        std::cout << path << std::endl;
        std::cerr << "Virtual Orvanta panel on " << path << " (" << state.version
                  << "); Ctrl+C stops it.\n";

        const StopOnSignal stopper(server, stopSignals);
        if (listenFolder.empty()) {
            server.serve();
        } else {
            QCoreApplication &app = *application;
            SoundListener &listener = *hearing;
            server.setMessageListener([&listener](bool started, int message) {
                QMetaObject::invokeMethod(
                    &listener,
                    [&listener, started, message] {
                        if (started)
                            listener.messageStarted(message);
                        else
                            listener.messageEnded(message);
                    },
                    Qt::BlockingQueuedConnection);
            });
            std::thread serving([&server, &app] {
                server.serve();
                QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
            });
            app.exec();
            serving.join();
        }
        if (!link.empty())
            ::unlink(link.c_str());
        std::cerr << (server.hungUp() ? "Line hung up.\n" : "Stopped.\n");
    } catch (const std::exception &e) {
        std::cerr << "orvanta-panel-sim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
