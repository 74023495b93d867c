#include "view/view.h"

#include "view/shown.h"

namespace wfpack {

std::string render_view(ViewFormat format, const GpifImage& image,
                        const BankNames& names) {
  switch (format) {
    case ViewFormat::Svg:
      return view::render_svg(image, names);
    case ViewFormat::WaveJson:
      return view::render_wavejson(image, names);
    case ViewFormat::Text:
      break;
  }
  return view::render_text(image, names);
}

}  // namespace wfpack
