// TemplateGenerator.h - builds solid injection report templates of a chosen
// size for the benchmarks: every setting section filled, items spread over the
// accepted result sections, several views per item.
#ifndef ZRVREPORT_BENCH_TEMPLATEGENERATOR_H
#define ZRVREPORT_BENCH_TEMPLATEGENERATOR_H

#include <cstddef>
#include <string>

namespace zrvbench {

/// The shape of a generated template.
struct TemplateShape {
  /// Number of item lines; 0 writes every key of every result section that
  /// the solid injection loader accepts exactly once.
  std::size_t ItemCount = 0;
  /// Settings of each of the eight kinds.
  std::size_t SettingsPerKind = 200;
  /// Views listed by an item that has several views; three items in four have
  /// several views, the fourth one a single view.
  std::size_t ViewsPerItem = 3;
};

/// The template text (UTF-8, CR LF line ends), ready to be written as bytes.
/// Item lines cycle through the keys of the accepted sections in section
/// order, so a template with more items than keys holds each key several
/// times in its section. Item j uses the settings j, j+1, ... of each kind,
/// modulo the number of settings.
std::string GenerateSolidInjectionTemplate(const TemplateShape& Shape);

/// The number of keys of all result sections that the solid injection loader
/// accepts (the item count of a shape with ItemCount 0).
std::size_t SolidInjectionKeyCount();

} // namespace zrvbench

#endif // ZRVREPORT_BENCH_TEMPLATEGENERATOR_H
