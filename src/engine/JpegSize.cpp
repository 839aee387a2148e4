#include "engine/JpegSize.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <algorithm>
#include <exception>

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

// Feeds libjpeg from a ByteSource a chunk at a time, the way its own file reader does: an
// empty file is JERR_INPUT_EMPTY, and a file that ends early gets a fake end-of-image marker.
// A failed read is kept here and raised once libjpeg has been left.
struct ChunkedSource {
    jpeg_source_mgr base{};
    const ByteSource* file = nullptr;
    std::uint64_t next = 0;  // offset of the next chunk
    std::exception_ptr failure;
    JOCTET buffer[4096];
};

ChunkedSource& sourceOf(j_decompress_ptr cinfo) { return *reinterpret_cast<ChunkedSource*>(cinfo->src); }

void startSource(j_decompress_ptr) {}
void endSource(j_decompress_ptr) {}

boolean fillBuffer(j_decompress_ptr cinfo) {
    ChunkedSource& source = sourceOf(cinfo);
    const std::uint64_t left = source.file->size() - std::min(source.next, source.file->size());
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(left, sizeof source.buffer));
    bool failed = false;
    try {
        source.file->readAt(source.next, std::span(source.buffer, count));
    } catch (...) {
        source.failure = std::current_exception();
        failed = true;
    }
    if (failed) ERREXIT(cinfo, JERR_FILE_READ);  // outside the handler: this jumps
    if (count == 0) {
        if (source.next == 0) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source.buffer[0] = 0xFF;
        source.buffer[1] = JPEG_EOI;
        source.base.next_input_byte = source.buffer;
        source.base.bytes_in_buffer = 2;
        return TRUE;
    }
    source.next += count;
    source.base.next_input_byte = source.buffer;
    source.base.bytes_in_buffer = count;
    return TRUE;
}

// Skipped bytes beyond the chunk are never read: the next chunk starts after them.
void skipInput(j_decompress_ptr cinfo, long count) {
    ChunkedSource& source = sourceOf(cinfo);
    if (count <= 0) return;
    const auto skip = static_cast<std::size_t>(count);
    if (skip <= source.base.bytes_in_buffer) {
        source.base.next_input_byte += skip;
        source.base.bytes_in_buffer -= skip;
        return;
    }
    source.next += skip - source.base.bytes_in_buffer;
    source.base.bytes_in_buffer = 0;
}

// Reads the headers up to the first scan. Returns JMSG_NOMESSAGE on success, otherwise the
// libjpeg error number. Only trivially destructible objects live in this frame, so the
// longjmp from jumpBack skips no destructor.
int readHeader(ChunkedSource& source, PictureSize& size) {
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
    source.base.init_source = startSource;
    source.base.fill_input_buffer = fillBuffer;
    source.base.skip_input_data = skipInput;
    source.base.resync_to_restart = jpeg_resync_to_restart;
    source.base.term_source = endSource;
    cinfo.src = &source.base;
    jpeg_read_header(&cinfo, TRUE);
    // libjpeg caps both dimensions at JPEG_MAX_DIMENSION, so they fit an int32.
    size = {static_cast<std::int32_t>(cinfo.image_width), static_cast<std::int32_t>(cinfo.image_height)};
    jpeg_destroy_decompress(&cinfo);
    return JMSG_NOMESSAGE;
}

}  // namespace

PictureSize readJpegSize(const ByteSource& file) {
    ChunkedSource source;
    source.file = &file;
    PictureSize size;
    const int code = readHeader(source, size);
    if (source.failure) std::rethrow_exception(source.failure);
    if (code != JMSG_NOMESSAGE) throw EngineError(messages::jpegError(code));
    return size;
}

PictureSize readJpegSize(std::span<const std::uint8_t> file) { return readJpegSize(MemorySource(file)); }

}  // namespace velmora
