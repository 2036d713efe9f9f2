#include "common/theme.h"

#include <algorithm>

namespace kvadus {

bool isDark(const QPalette& palette) {
  return palette.color(QPalette::Window).lightnessF() < palette.color(QPalette::WindowText).lightnessF();
}

QColor warningColor(const QPalette& palette) { return isDark(palette) ? QColor(255, 120, 120) : QColor(176, 0, 0); }

QColor accentColor(const QPalette& palette) {
  const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
  if (!isDark(palette)) return highlight;
  float h, s, l, a;
  highlight.getHslF(&h, &s, &l, &a);
  return QColor::fromHslF(h, s, std::max(l, 0.68f), a);
}

QColor quietTextColor(const QPalette& palette) { return palette.color(QPalette::Disabled, QPalette::WindowText); }

QPalette darkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), grey(128, 128, 128);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, QColor(70, 70, 50));
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, grey);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, QColor(255, 90, 90));
  p.setColor(QPalette::Link, QColor(90, 160, 240));
  p.setColor(QPalette::Highlight, QColor(42, 110, 190));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, QColor(80, 80, 80));
  p.setColor(QPalette::Midlight, QColor(66, 66, 66));
  p.setColor(QPalette::Mid, QColor(40, 40, 40));
  p.setColor(QPalette::Dark, QColor(25, 25, 25));
  p.setColor(QPalette::Shadow, Qt::black);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, grey);
  p.setColor(QPalette::Disabled, QPalette::Base, window);
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
  return p;
}

}  // namespace kvadus
