#include "platform/ZipDevice.h"

#include <QIODevice>

namespace {
QIODevice* deviceOf(voidpf stream) {
    return static_cast<QIODevice*>(stream);
}

// The archive's "file name" is the device itself; it is open already.
voidpf ZCALLBACK openDevice(voidpf opaque, const void*, int) {
    return deviceOf(opaque)->isOpen() ? opaque : nullptr;
}

uLong ZCALLBACK readDevice(voidpf, voidpf stream, void* buffer, uLong size) {
    const qint64 count = deviceOf(stream)->read(static_cast<char*>(buffer), qint64(size));
    return count < 0 ? 0 : uLong(count);
}

uLong ZCALLBACK writeDevice(voidpf, voidpf stream, const void* buffer, uLong size) {
    const qint64 count = deviceOf(stream)->write(static_cast<const char*>(buffer), qint64(size));
    return count < 0 ? 0 : uLong(count);
}

ZPOS64_T ZCALLBACK tellDevice(voidpf, voidpf stream) {
    return ZPOS64_T(deviceOf(stream)->pos());
}

long ZCALLBACK seekDevice(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    QIODevice* device = deviceOf(stream);
    qint64 base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = device->pos();
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = device->size();
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return -1;
    // An archive never asks for a place past its end, unless it is damaged.
    if (offset > ZPOS64_T(device->size() - base))
        return -1;
    return device->seek(base + qint64(offset)) ? 0 : -1;
}

// The device belongs to the caller, who closes it.
int ZCALLBACK closeDevice(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK deviceError(voidpf, voidpf) {
    return 0;
}

zlib_filefunc64_def functionsFor(QIODevice& device) {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = openDevice;
    functions.zread_file = readDevice;
    functions.zwrite_file = writeDevice;
    functions.ztell64_file = tellDevice;
    functions.zseek64_file = seekDevice;
    functions.zclose_file = closeDevice;
    functions.zerror_file = deviceError;
    functions.opaque = &device;
    return functions;
}
} // namespace

namespace ZipDevice {

unzFile openForReading(QIODevice& device) {
    zlib_filefunc64_def functions = functionsFor(device);
    return unzOpen2_64(&device, &functions);
}

zipFile openForWriting(QIODevice& device) {
    zlib_filefunc64_def functions = functionsFor(device);
    return zipOpen2_64(&device, APPEND_STATUS_CREATE, nullptr, &functions);
}

} // namespace ZipDevice
