#include "platform/linux/SdlSoundPlayer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace {

// A 16-bit PCM WAV image holding a sine at half of full scale that sweeps up from 300 Hz,
// so no stretch of it repeats an earlier one.
QByteArray sineWav(double seconds, int rate, int channels)
{
    const int frames = static_cast<int>(seconds * rate);
    QByteArray pcm;
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const auto sample = static_cast<qint16>(16000 * std::sin(2 * std::numbers::pi * (300 + 200 * t) * t));
        for (int c = 0; c < channels; ++c)
            pcm.append(reinterpret_cast<const char*>(&sample), 2); // host is little-endian, as WAV
    }
    auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    return "RIFF" + u32(36 + pcm.size()) + "WAVEfmt " + u32(16) + u16(1) + u16(channels) + u32(rate) +
           u32(rate * channels * 2) + u16(channels * 2) + u16(16) + "data" + u32(pcm.size()) + pcm;
}

QByteArray pcmOf(const QByteArray& wav)
{
    return wav.mid(44);
}

// Where the file written by SDL's disk driver holds the first 100 ms of pcm, at or after
// `from`; -1 until it does.
qsizetype findInOutput(const QString& file, const QByteArray& pcm, int rate, int channels, qsizetype from = 0)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return f.readAll().indexOf(pcm.left(rate / 10 * channels * 2), from);
}

// Polls often: the restart test needs to see the sound start before much of it has played.
qsizetype waitForOutput(const QString& file, const QByteArray& pcm, int rate, int channels, qsizetype from = 0)
{
    QDeadlineTimer deadline(10'000);
    qsizetype at = -1;
    while ((at = findInOutput(file, pcm, rate, channels, from)) < 0 && !deadline.hasExpired())
        QThread::msleep(2);
    return at;
}

} // namespace

class TestSdlSound : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void playsTheWaveFromItsStart();
    void secondPlayRestartsTheSound();
    void differentFormatReopensTheDevice();
    void unplayableBytesAreSilence_data();
    void unplayableBytesAreSilence();
    void failedDeviceIsNotRetriedForTheSameSound();
    void missingDriverIsSilence();

private:
    QString outputFile(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    static void useOutput(const QString& file) { qputenv("SDL_DISKAUDIOFILE", file.toLocal8Bit()); }

    QTemporaryDir m_dir;
};

void TestSdlSound::init()
{
    // The disk driver writes what is played to SDL_DISKAUDIOFILE, read when the device opens.
    qputenv("SDL_AUDIODRIVER", "disk");
    QVERIFY(m_dir.isValid());
}

void TestSdlSound::playsTheWaveFromItsStart()
{
    const QByteArray wav = sineWav(0.2, 22050, 1);
    const QString file = outputFile("plays.raw");
    useOutput(file);
    SdlSoundPlayer player;
    player.play(wav);
    QVERIFY(waitForOutput(file, pcmOf(wav), 22050, 1) >= 0);
}

void TestSdlSound::secondPlayRestartsTheSound()
{
    const QByteArray wav = sineWav(3.0, 22050, 1);
    const QByteArray pcm = pcmOf(wav);
    const QString file = outputFile("restart.raw");
    useOutput(file);
    SdlSoundPlayer player;
    player.play(wav);
    const qsizetype first = waitForOutput(file, pcm, 22050, 1);
    QVERIFY(first >= 0);
    player.play(wav);
    const qsizetype second = waitForOutput(file, pcm, 22050, 1, first + 1);
    QVERIFY(second > first);
    // The start comes again before the first sound could have ended: it was cut off, neither
    // played to its end while play() waited nor queued behind it.
    QVERIFY2(second < first + pcm.size(), qPrintable(QStringLiteral("%1 %2").arg(first).arg(second)));
}

void TestSdlSound::differentFormatReopensTheDevice()
{
    const QString monoFile = outputFile("mono.raw");
    const QString stereoFile = outputFile("stereo.raw");
    const QByteArray mono = sineWav(0.2, 22050, 1);
    const QByteArray stereo = sineWav(0.2, 44100, 2);
    useOutput(monoFile);
    SdlSoundPlayer player;
    player.play(mono);
    QVERIFY(waitForOutput(monoFile, pcmOf(mono), 22050, 1) >= 0);
    useOutput(stereoFile); // only a newly opened device writes here
    player.play(stereo);
    QVERIFY(waitForOutput(stereoFile, pcmOf(stereo), 44100, 2) >= 0);
}

void TestSdlSound::unplayableBytesAreSilence_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray wav = sineWav(0.1, 22050, 1);
    QByteArray unknownEncoding = wav;
    qToLittleEndian<quint16>(0x1234, unknownEncoding.data() + 20);
    QByteArray noDataChunk = wav.left(36);
    qToLittleEndian<quint32>(28, noDataChunk.data() + 4);

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("this is not a sound at all");
    QTest::newRow("RIFF header only") << QByteArray("RIFF\x04\0\0\0WAVE", 12);
    QTest::newRow("unknown encoding") << unknownEncoding;
    QTest::newRow("no data chunk") << noDataChunk;
}

void TestSdlSound::unplayableBytesAreSilence()
{
    QFETCH(QByteArray, bytes);
    const QString file = outputFile("unplayable.raw");
    QFile::remove(file);
    useOutput(file);
    SdlSoundPlayer player;
    player.play(bytes);
    player.play(bytes);
    QVERIFY(!QFile::exists(file)); // no device was opened
}

void TestSdlSound::failedDeviceIsNotRetriedForTheSameSound()
{
    const QString folder = m_dir.filePath(QStringLiteral("later"));
    const QString file = folder + QStringLiteral("/out.raw");
    useOutput(file); // the folder does not exist yet, so the device cannot open
    const QByteArray mono = sineWav(0.2, 22050, 1);
    SdlSoundPlayer player;
    player.play(mono);
    QVERIFY(QDir().mkpath(folder));
    player.play(mono); // the failure is remembered: no new attempt on every tick
    QVERIFY(!QFile::exists(file));
    const QByteArray stereo = sineWav(0.2, 44100, 2);
    player.play(stereo); // a different format is worth a new attempt
    QVERIFY(waitForOutput(file, pcmOf(stereo), 44100, 2) >= 0);
}

void TestSdlSound::missingDriverIsSilence()
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const QString file = outputFile("nodriver.raw");
    useOutput(file);
    SdlSoundPlayer player;
    const QByteArray wav = sineWav(0.1, 22050, 1);
    player.play(wav);
    qputenv("SDL_AUDIODRIVER", "disk");
    player.play(wav); // audio stays off for this player rather than being retried every tick
    QVERIFY(!QFile::exists(file));
}

QTEST_GUILESS_MAIN(TestSdlSound)
#include "test_sdlsound.moc"
