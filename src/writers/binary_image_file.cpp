#include "writers/binary_image_file.h"

namespace wfpack {

std::string binary_image_file_name(std::string_view base_name) {
  return std::string(base_name) + "_dat.bin";
}

OutputStatus write_binary_image_file(const GpifImage& image,
                                     std::string_view base_name,
                                     platform::Failure* failure) {
  const ImageBytes bytes = image_byte_sequence(image);
  const auto view = bytes.view();
  return write_output_file(
      binary_image_file_name(base_name),
      {reinterpret_cast<const char*>(view.data()), view.size()}, failure);
}

}  // namespace wfpack
