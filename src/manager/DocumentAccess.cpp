// DocumentAccess.cpp - a load's libraries moved into the settings document.
#include "manager/DocumentAccess.h"

#include "manager/SettingLibrary.h"

#include <utility>

using namespace zrv::manager;

void ZRVDocumentAccess::adoptLibraries(CZRVReportItemManager& Document, ZRVClipMap&& Clipping,
                                       ZRVViewMap&& View, ZRVObjectMap&& Object,
                                       ZRVCaptureMap&& Capture, ZRVMeltMap&& Melt,
                                       ZRVSliceMap&& Slicing, ZRVAnimationMap&& Animation,
                                       ZRVImageMap&& Image) {
  Data& D = *Document.Doc;
  adopt<ClippingKind>(D.ClippingMap, D.ClippingOptions, std::move(Clipping));
  adopt<ViewKind>(D.ViewMap, D.ViewOptions, std::move(View));
  adopt<ObjectKind>(D.ObjectMap, D.ObjectOptions, std::move(Object));
  adopt<CaptureKind>(D.CaptureMap, D.CaptureOptions, std::move(Capture));
  adopt<MeltKind>(D.MeltMap, D.MeltOptions, std::move(Melt));
  adopt<SlicingKind>(D.SlicingMap, D.SlicingOptions, std::move(Slicing));
  adopt<AnimationKind>(D.AnimationMap, D.AnimationOptions, std::move(Animation));
  adopt<ImageKind>(D.ImageMap, D.ImageOptions, std::move(Image));
}
