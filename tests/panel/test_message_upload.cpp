// The message upload without a window: against the virtual panel, with a player that takes the
// message's time instead of sounding it.
#include "PanelServer.h"
#include "QtPrinters.h"
#include "link/ExchangeLog.h"
#include "link/PanelLink.h"
#include "link/PanelPort.h"
#include "panel/MessageUpload.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

using namespace orvanta;

namespace {

using Commands = std::vector<std::string>;

struct UploadOnLink
{
    sim::PanelServer panel;
    TXComm comm;
    ExchangeLog log;
    Activity activity;
    PanelLink link{comm, log, activity};
    std::map<int, QString> rows;       // the address cells
    std::map<QString, double> lengths; // each file's sound as read when its turn comes
    std::vector<int> progress;
    int failAt = 0;    // the message whose playing fails
    bool mute = false; // the player never tells an end, not even of its stop
    int played = 0;
    std::function<void()> whilePlaying;
    MessageUpload upload{link, player()};

    explicit UploadOnLink(sim::PanelState state = {})
        : panel(std::move(state))
    {
        ApplyPanelPortDefaults(comm);
        const QString path = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        link.OpenPort(path);
        UploadObserver observer;
        observer.rowReport = [this](int row, const QString &text) {
            rows[row] = text;
        };
        observer.progress = [this](int position) {
            progress.push_back(position);
        };
        upload.setObserver(observer);
    }

    UploadPlayer player()
    {
        auto pending = std::make_shared<QTimer>();
        pending->setSingleShot(true);
        auto finish = std::make_shared<std::function<void(const QString &)>>();
        UploadPlayer p;
        p.open = [this](const QString &file) {
            return OpenedSound{{}, lengths[file], {}};
        };
        p.play = [this, pending, finish](std::function<void(const QString &)> done) {
            ++played;
            if (mute) {
                if (whilePlaying)
                    whilePlaying();
                return;
            }
            if (played == failAt)
                return done(QStringLiteral("Звук прерван: сервер звука не отвечает"));
            *finish = std::move(done);
            QObject::disconnect(pending.get(), nullptr, nullptr, nullptr);
            QObject::connect(pending.get(), &QTimer::timeout, [finish] { (*finish)({}); });
            pending->start(300);
            if (whilePlaying)
                whilePlaying();
        };
        p.stop = [this, pending, finish] {
            if (mute)
                return;
            pending->stop();
            (*finish)(QStringLiteral("остановлено"));
        };
        return p;
    }

    UploadOutcome run(std::vector<UploadMessage> messages, double seconds = 0.3)
    {
        for (const UploadMessage &message : messages)
            lengths.try_emplace(message.file, seconds);
        UploadOutcome outcome;
        QEventLoop loop;
        QObject::connect(&upload, &MessageUpload::finished, &loop, [&](const UploadOutcome &o) {
            outcome = o;
            loop.quit();
        });
        upload.start(std::move(messages));
        // Bounded, so that an upload that never ends fails here instead of hanging the run.
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        if (upload.running())
            loop.exec();
        EXPECT_FALSE(upload.running()) << "the upload never ended";
        return outcome;
    }
};

std::vector<UploadMessage> messages(std::initializer_list<int> rows)
{
    std::vector<UploadMessage> list;
    for (int row : rows)
        list.push_back({row, QStringLiteral("m%1.wav").arg(row)});
    return list;
}

} // namespace

TEST(MessageUpload, SoundThatFailsEndsThePanelsRecordingAndTheUpload)
{
    UploadOnLink f;
    f.failAt = 2;
    const UploadOutcome outcome = f.run(messages({1, 2, 3}));
    EXPECT_EQ(f.panel.commands(), (Commands{"+J00", "+j", "+E02", "+E03", "+J", "+j"}));
    EXPECT_EQ(outcome.end, UploadOutcome::End::Failed);
    EXPECT_EQ(outcome.written, 1);
    EXPECT_EQ(outcome.failedRow, 2);
    EXPECT_EQ(f.rows[1], QStringLiteral("Ok"));
    EXPECT_EQ(f.rows[2], QStringLiteral("Звук прерван: сервер звука не отвечает"));
    EXPECT_EQ(f.rows.count(3), 0u);
}

TEST(MessageUpload, MessagesPastTheEndOfTheMemoryFail)
{
    // A fifth of a second of memory left: the next message ends at the end of the memory.
    sim::PanelState nearlyFull;
    for (int n = 1; n <= 54; ++n)
        nearlyFull.setWord(n, 2399);
    UploadOnLink full(nearlyFull);
    UploadOutcome outcome = full.run(messages({2, 3}));
    EXPECT_EQ(outcome.end, UploadOutcome::End::Full);
    EXPECT_EQ(outcome.failedRow, 2);
    EXPECT_EQ(full.rows[2], QStringLiteral("Не поместилось"));
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("0 из 2")));
    EXPECT_EQ(full.panel.commands(), (Commands{"+J", "+j"})); // nothing for row 3

    // The panel kept less time than the message's sound lasts.
    UploadOnLink cut;
    cut.lengths[QStringLiteral("m2.wav")] = 30;
    outcome = cut.run(messages({1, 2}));
    EXPECT_EQ(outcome.end, UploadOutcome::End::Full);
    EXPECT_EQ(outcome.written, 1);
    EXPECT_EQ(cut.rows[2], QStringLiteral("Не поместилось"));

    // A file made shorter on disk while the upload runs is measured when its turn comes: what the
    // panel kept of it is no shortfall.
    UploadOnLink shortened;
    shortened.lengths[QStringLiteral("m2.wav")] = 30;
    shortened.whilePlaying = [&] {
        shortened.lengths[QStringLiteral("m2.wav")] = 0.3;
    };
    outcome = shortened.run(messages({1, 2}));
    EXPECT_EQ(outcome.end, UploadOutcome::End::Complete);
    EXPECT_EQ(outcome.written, 2);
    // The progress walks every row, to the last one's position once all went in.
    EXPECT_EQ(shortened.progress, (std::vector<int>{0, 1, 53}));
}

TEST(MessageUpload, StopEndsAfterTheMessageAndAbortEndsThePanelsRecordingAtOnce)
{
    UploadOnLink stop;
    stop.whilePlaying = [&] {
        stop.upload.requestStop();
    };
    UploadOutcome outcome = stop.run(messages({1, 2}));
    EXPECT_EQ(outcome.end, UploadOutcome::End::Stopped);
    EXPECT_EQ(stop.panel.commands(), (Commands{"+J00", "+j", "+E02", "+E03"}));
    EXPECT_EQ(stop.rows[1], QStringLiteral("Ok"));
    stop.whilePlaying = nullptr; // the next upload starts without the old stop
    EXPECT_EQ(stop.run(messages({1})).end, UploadOutcome::End::Complete);

    UploadOnLink abort;
    abort.whilePlaying = [&] {
        abort.upload.abort();
    };
    outcome = abort.run(messages({1, 2}));
    EXPECT_EQ(outcome.end, UploadOutcome::End::Stopped);
    EXPECT_EQ(outcome.written, 0);
    EXPECT_EQ(abort.panel.commands(), (Commands{"+J00", "+j"}));
    EXPECT_EQ(abort.rows[1], QStringLiteral("Запись прервана"));

    // A second start is refused while one runs, and the stop flag is new for every upload.
    UploadOnLink twice;
    twice.whilePlaying = [&] {
        twice.upload.start(messages({5}));
    };
    outcome = twice.run(messages({1}));
    EXPECT_EQ(outcome.end, UploadOutcome::End::Complete);
    EXPECT_EQ(twice.panel.commands(), (Commands{"+J00", "+j", "+E02", "+E03"}));
    EXPECT_FALSE(twice.upload.stopRequested());
}

TEST(MessageUpload, PlayWhoseEndIsNeverToldEndsByItsDeadlineOrAtOnceOnAbort)
{
    UploadOnLink late;
    late.mute = true;
    UploadOutcome outcome = late.run(messages({1, 2}), 0.2);
    EXPECT_EQ(outcome.end, UploadOutcome::End::Failed);
    EXPECT_EQ(outcome.failedRow, 1);
    EXPECT_EQ(late.panel.commands(), (Commands{"+J00", "+j"}));
    EXPECT_EQ(late.rows[1], QStringLiteral("Звук не закончился за 2 с: устройство вывода звука "
                                           "не ответило"));
    EXPECT_EQ(outcome.error, late.rows[1]);

    // A closing window does not wait for the deadline of a long message.
    UploadOnLink closing;
    closing.mute = true;
    closing.whilePlaying = [&] {
        closing.upload.abort();
    };
    outcome = closing.run(messages({1, 2}), 60);
    EXPECT_EQ(outcome.end, UploadOutcome::End::Stopped);
    EXPECT_EQ(closing.panel.commands(), (Commands{"+J00", "+j"}));
    EXPECT_EQ(closing.rows[1], QStringLiteral("Запись прервана"));
}
