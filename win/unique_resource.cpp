#include "win/unique_resource.h"

#include <shlobj.h>
#include <wrl/client.h>

namespace pelmora::win {

void ItemListTraits::close(Type list) {
  Microsoft::WRL::ComPtr<IMalloc> allocator;
  if (SUCCEEDED(SHGetMalloc(&allocator))) allocator->Free(list);
}

}  // namespace pelmora::win
