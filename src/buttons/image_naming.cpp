#include "buttons/image_naming.h"

namespace orvane {

CodeNameContext NamingContextFromImage(const Mirror& m, DeviceType icType,
                                       const LanguageTable& language) {
  CodeNameContext c;
  c.language = &language;
  for (int k = 1; k <= kFireKeyCount; ++k) {
    FireKeySetting& key = c.fireKeys[static_cast<std::size_t>(k - 1)];
    key.repeatCount = m[image::FireKeyCountOffset(k)] + 1;
    key.delay = ReadBe16(m, image::FireKeyTimeOffset(k));
  }
  c.icType = icType;
  return c;
}

}  // namespace orvane
