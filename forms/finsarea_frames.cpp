#include "forms/finsarea_frames.h"

#include <array>
#include <utility>

#include "forms/frmmain.h"

namespace merovane {

void hideunitframes() {
  using enum CategoryId;
  using enum Side;
  // framearead, frameareas, frameenergys, frameenergyd, frameforced, frameforces, framelend,
  // framelens, framepowerd, framepowers, frametempd, frametemps, framepressd, frameprees,
  // frameweightd, frameweights, framevolumed, framevolumes, framespeedd, framespeeds,
  // framedensitys, framedensityd, framebits, framebitd
  static constexpr std::array<std::pair<CategoryId, Side>, 2 * kCategoryCount> kFrames = {{
      {Area, Destination},        {Area, Source},
      {Energy, Source},           {Energy, Destination},
      {Force, Destination},       {Force, Source},
      {Length, Destination},      {Length, Source},
      {Power, Destination},       {Power, Source},
      {Temperature, Destination}, {Temperature, Source},
      {Pressure, Destination},    {Pressure, Source},
      {Weight, Destination},      {Weight, Source},
      {Volume, Destination},      {Volume, Source},
      {Speed, Destination},       {Speed, Source},
      {Density, Source},          {Density, Destination},
      {BitsAndBytes, Source},     {BitsAndBytes, Destination},
  }};
  FrmMain& window = mainwindow();
  for (const auto& [id, side] : kFrames) window.frame(id, side).setVisible(false);
}

}  // namespace merovane
