#include "engine/JpegSize.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it

#include <jerror.h>
#include <jpeglib.h>

#include "engine/EngineError.h"

namespace velmora {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. A C++ exception
// must not cross libjpeg's C frames, so error_exit jumps back to readHeader instead.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jumpBack(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JumpingErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings about damaged data say nothing the caller needs, and a library must not print.
void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}

// Reads the headers up to the first scan. Returns JMSG_NOMESSAGE on success, otherwise the
// libjpeg error number. Only trivially destructible objects live in this frame, so the
// longjmp from jumpBack skips no destructor.
int readHeader(std::span<const std::uint8_t> file, PictureSize& size) {
    jpeg_decompress_struct cinfo{};
    JumpingErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = ignoreMessage;
    errors.base.output_message = ignoreOutput;

    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return errors.base.msg_code;
    }
    jpeg_create_decompress(&cinfo);
    // An empty buffer is refused here with JERR_INPUT_EMPTY.
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    // libjpeg caps both dimensions at JPEG_MAX_DIMENSION, so they fit an int32.
    size = {static_cast<std::int32_t>(cinfo.image_width), static_cast<std::int32_t>(cinfo.image_height)};
    jpeg_destroy_decompress(&cinfo);
    return JMSG_NOMESSAGE;
}

}  // namespace

PictureSize readJpegSize(std::span<const std::uint8_t> file) {
    PictureSize size;
    if (const int code = readHeader(file, size); code != JMSG_NOMESSAGE) {
        throw EngineError(messages::jpegError(code));
    }
    return size;
}

}  // namespace velmora
