#include "Image.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "Noise.h"

namespace samplegen {
namespace {

constexpr int kProfileSteps = 4;

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255.0f)); }

void RenderRows(Image& image, int firstRow, int rowStep, int samples, const Shader& shader,
                std::uint32_t grainSeed) {
  const float inv = 1.0f / static_cast<float>(samples);
  const float weight = inv * inv;
  for (int y = firstRow; y < image.height; y += rowStep) {
    for (int x = 0; x < image.width; ++x) {
      Rgb sum;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          sum = sum + shader(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) * inv,
                             static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) * inv);
        }
      }
      sum = sum * weight;
      float grain = (HashUnit(x, y, grainSeed) - 0.5f) * (2.0f / 255.0f);
      std::uint8_t* p = &image.rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
      p[0] = ToByte(sum.r + grain);
      p[1] = ToByte(sum.g + grain);
      p[2] = ToByte(sum.b + grain);
    }
  }
}

}  // namespace

Image Render(int width, int height, int samplesPerAxis, const Shader& shader,
             std::uint32_t grainSeed) {
  Image image;
  image.width = width;
  image.height = height;
  image.rgb.assign(static_cast<std::size_t>(width) * height * 3, 0);
  int threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) {
    workers.emplace_back(RenderRows, std::ref(image), t, threads, samplesPerAxis, std::cref(shader),
                         grainSeed);
  }
  RenderRows(image, 0, threads, samplesPerAxis, shader, grainSeed);
  for (std::thread& w : workers) w.join();
  return image;
}

Profile::Profile(float width, const std::function<float(float x)>& f) {
  int n = static_cast<int>(std::ceil(width)) * kProfileSteps + 2;
  values_.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    values_[static_cast<std::size_t>(i)] = f(static_cast<float>(i) / kProfileSteps);
  }
}

float Profile::At(float x) const {
  float pos = std::clamp(x * kProfileSteps, 0.0f, static_cast<float>(values_.size() - 2));
  auto i = static_cast<std::size_t>(pos);
  float t = pos - static_cast<float>(i);
  return values_[i] + (values_[i + 1] - values_[i]) * t;
}

}  // namespace samplegen
