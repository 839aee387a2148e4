#include "support/JpegBuilder.h"

#include <cstdio>  // jpeglib.h uses FILE without including it
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace velmora::test {

Bytes buildJpeg(int width, int height) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&cinfo, &buffer, &length);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width), 128);
    JSAMPROW rows[] = {row.data()};
    while (cinfo.next_scanline < cinfo.image_height) jpeg_write_scanlines(&cinfo, rows, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes file(buffer, buffer + length);
    std::free(buffer);
    return file;
}

}  // namespace velmora::test
