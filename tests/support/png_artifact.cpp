#include "support/png_artifact.h"

#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace kxtest {

namespace {

// Releases a COM interface at scope exit.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** out() { return &p_; }
  T* operator->() const { return p_; }
  T* get() const { return p_; }

 private:
  T* p_ = nullptr;
};

// COM for the calling thread while the object lives; a thread already in
// another apartment is used as it is.
class ComScope {
 public:
  ComScope() : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  bool usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT hr_;
};

std::wstring Widen(const std::string& text) {
  const int n = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  wide.resize(static_cast<size_t>(n - 1));
  return wide;
}

std::string SafeFileName(std::string name) {
  for (char& c : name)
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos ||
        static_cast<unsigned char>(c) < 32)
      c = '_';
  return name;
}

}  // namespace

bool WritePngFile(const Capture& capture, const std::string& path) {
  if (capture.empty()) return false;
  ComScope com;
  if (!com.usable()) return false;

  // 24-bit BGR rows padded to 4 bytes: GDI leaves alpha undefined, so the
  // picture is stored opaque.
  const UINT width = static_cast<UINT>(capture.width());
  const UINT height = static_cast<UINT>(capture.height());
  const UINT stride = (width * 3 + 3) & ~3u;
  std::vector<BYTE> rows(static_cast<size_t>(stride) * height);
  for (UINT y = 0; y < height; ++y) {
    BYTE* out = rows.data() + static_cast<size_t>(y) * stride;
    for (UINT x = 0; x < width; ++x) {
      const std::uint32_t p = capture.pixels()[static_cast<size_t>(y) * width + x];
      *out++ = static_cast<BYTE>(p);
      *out++ = static_cast<BYTE>(p >> 8);
      *out++ = static_cast<BYTE>(p >> 16);
    }
  }

  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  const std::wstring widePath = Widen(path);
  if (widePath.empty()) return false;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))))
    return false;
  if (FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
      FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.out(), nullptr)) ||
      FAILED(frame->Initialize(nullptr)) || FAILED(frame->SetSize(width, height)))
    return false;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
    return false;
  return SUCCEEDED(frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

std::string ArtifactDirectory() {
  char module[MAX_PATH];
  const DWORD n = ::GetModuleFileNameA(nullptr, module, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  std::string dir(module, n);
  // Up from the program to its folder, then to the folder above it.
  for (int i = 0; i < 2; ++i) {
    const size_t slash = dir.find_last_of("\\/");
    if (slash == std::string::npos) return std::string();
    dir.resize(slash);
  }
  return dir + "\\artifacts";
}

std::string ArtifactPath(const std::string& name) {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string file = test ? std::string(test->test_suite_name()) + "." + test->name() + "."
                          : std::string("no-test.");
  file = SafeFileName(file + name) + ".png";
  return ArtifactDirectory() + "\\" + file;
}

bool WritePng(const Capture& capture, const std::string& name) {
  const std::string dir = ArtifactDirectory();
  if (dir.empty()) return false;
  if (!::CreateDirectoryA(dir.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
    return false;
  return WritePngFile(capture, ArtifactPath(name));
}

}  // namespace kxtest
