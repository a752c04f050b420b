// libFuzzer entry: arbitrary bytes as a configuration file.
#include "confinput.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {

void quiet(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg)
        qt_message_output(type, QMessageLogContext(), text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The reader's warnings about odd input are expected by the thousand.
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    load_and_check(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    return 0;
}
