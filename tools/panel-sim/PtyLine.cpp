#include "PtyLine.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// One byte of 8N1 at 115200 baud: ten bit times.
constexpr std::chrono::nanoseconds ByteTime{1'000'000'000LL * 10 / 115200};

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PtyLine::PtyLine(bool pace)
    : m_pace(pace)
{
}

PtyLine::~PtyLine()
{
    hangUp();
}

bool PtyLine::open(QString* error)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    const char* name = ptsname(m_master);
    if (!name) {
        *error = systemError("ptsname");
        return false;
    }
    m_path = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        *error = systemError("open slave");
        return false;
    }
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    cfsetspeed(&raw, B115200);
    tcsetattr(m_slave, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);

    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyLine::onReadable);
    return true;
}

void PtyLine::onReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count <= 0)
        return;
    if (m_pace) {
        // The last byte is in only once the line has carried all of them.
        m_rxFreeAt = std::max(Clock::now(), m_rxFreeAt) + ByteTime * count;
        std::this_thread::sleep_until(m_rxFreeAt);
    }
    if (onReceived)
        onReceived(QByteArray(buffer, count));
}

void PtyLine::send(const QByteArray& bytes)
{
    if (m_master < 0)
        return;
    if (!m_pace) {
        writeAll(bytes.constData(), bytes.size());
        return;
    }
    // Each byte leaves once its ten bit times have passed; a late wake-up sends
    // every byte already due at once, so delays do not add up.
    const Clock::time_point start = std::max(Clock::now(), m_txFreeAt);
    qint64 sent = 0;
    while (sent < bytes.size()) {
        const qint64 due = std::min<qint64>(bytes.size(), (Clock::now() - start) / ByteTime);
        if (due > sent) {
            writeAll(bytes.constData() + sent, due - sent);
            sent = due;
        } else {
            std::this_thread::sleep_until(start + ByteTime * (sent + 1));
        }
    }
    m_txFreeAt = start + ByteTime * bytes.size();
}

void PtyLine::writeAll(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_master, data, size);
        if (written < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            return;
        }
        data += written;
        size -= written;
    }
}

void PtyLine::hangUp()
{
    if (m_master < 0)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_slave);
    ::close(m_master);
    m_slave = m_master = -1;
    Q_EMIT hungUp();
}
