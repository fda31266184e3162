// Build tool, run on the build machine: stores a JPEG decoded, in the form the library draws
// straight from its mapped image with nothing to decode at run time. The output is a 16-byte
// header ("BGRA", then width, height and 0 as 32-bit little-endian numbers) and the rows
// top-down, bytes B, G, R, A with A 255. It decodes as the library's own JPEG reader does
// (libjpeg's default, accurate decoding into its BGRA colour space), so both give the same
// pixels; the Windows tests compare the two.
//   bgra_from_jpeg IN.jpg OUT.bgra
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// After <cstdio>: the header uses FILE and size_t without including what declares them.
#include <jpeglib.h>

namespace {

struct Errors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void Fail(j_common_ptr info) {
  (*info->err->output_message)(info);
  std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

void PutLe(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bgra_from_jpeg IN.jpg OUT.bgra\n");
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "rb");
  if (!in) {
    std::perror(argv[1]);
    return 1;
  }
  jpeg_decompress_struct info{};
  Errors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = Fail;
  std::vector<uint8_t> out;
  if (setjmp(errors.jump)) {
    std::fprintf(stderr, "bgra_from_jpeg: %s is not a readable JPEG\n", argv[1]);
    jpeg_destroy_decompress(&info);
    std::fclose(in);
    return 1;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, in);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  const size_t stride = size_t(info.output_width) * 4;
  out.push_back('B'), out.push_back('G'), out.push_back('R'), out.push_back('A');
  PutLe(out, info.output_width);
  PutLe(out, info.output_height);
  PutLe(out, 0);
  const size_t header = out.size();
  out.resize(header + stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.data() + header + size_t(info.output_scanline) * stride;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(in);

  std::FILE* file = std::fopen(argv[2], "wb");
  if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
