#include "screen_shots.h"

#include "support/png_file.h"

namespace shots {

namespace {

Image from_pixels(int width, int height, const std::vector<std::uint32_t>& pixels) {
  Image image{width, height, {}};
  for (std::uint32_t v : pixels)
    image.pixels.push_back({static_cast<int>(v >> 16 & 255), static_cast<int>(v >> 8 & 255), static_cast<int>(v & 255)});
  return image;
}

}  // namespace

Image read_png(const std::string& path) {
  const auto png = test_support::read_png(path);
  return png ? from_pixels(png->width, png->height, png->pixels) : Image{};
}

Image from_bitmap(const platform::Bitmap& bitmap) { return from_pixels(bitmap.width, bitmap.height, bitmap.pixels); }

int count_differences(const Image& shot, Rect area, const Image& source, int source_x, int source_y,
                      const std::vector<Rect>& skip) {
  int differences = 0;
  for (int y = area.y; y < area.y + area.height; ++y)
    for (int x = area.x; x < area.x + area.width; ++x) {
      bool skipped = false;
      for (const Rect& r : skip) skipped = skipped || r.contains(x, y);
      if (!skipped && !(shot.at(x, y) == source.at(source_x + x - area.x, source_y + y - area.y))) ++differences;
    }
  return differences;
}

Image crop(const Image& image, Rect area) {
  Image part{area.width, area.height, {}};
  for (int y = area.y; y < area.y + area.height; ++y)
    for (int x = area.x; x < area.x + area.width; ++x) part.pixels.push_back(image.at(x, y));
  return part;
}

Image with_text(const Image& image, int x, int y, platform::FontId font, Rgb colour, const std::string& text) {
  platform::Surface surface = platform::make_surface(image.width, image.height, platform::PixelFormat::xrgb8888);
  for (int py = 0; py < image.height; ++py)
    for (int px = 0; px < image.width; ++px) platform::write_pixel(surface, px, py, image.at(px, py));
  platform::draw_text(surface, x, y, font, colour, false, text.data(), static_cast<int>(text.size()));
  Image drawn{image.width, image.height, {}};
  for (int py = 0; py < image.height; ++py)
    for (int px = 0; px < image.width; ++px) drawn.pixels.push_back(platform::read_pixel(surface, px, py));
  return drawn;
}

std::string pointer_to(int x, int y) {
  constexpr int push = 600, right_edge = 1007, bottom_edge = 751;
  const int edge_x = x % 2 == 0 ? -push : push, edge_y = y % 2 == 0 ? -push : push;
  const int from_x = x % 2 == 0 ? 0 : right_edge, from_y = y % 2 == 0 ? 0 : bottom_edge;
  return "move " + std::to_string(edge_x) + " " + std::to_string(edge_y) + "\nmove " + std::to_string((x - from_x) / 2) +
         " " + std::to_string((y - from_y) / 2) + "\n";
}

}  // namespace shots
