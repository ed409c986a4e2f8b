// Sem libFuzzer: passa cada arquivo das pastas (ou cada arquivo) dados pelo alvo, uma
// vez, como o libFuzzer passaria; a propriedade que falha aborta com o caso.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho);

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> arquivos;
  for (int i = 1; i < argc; ++i) {
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& e : std::filesystem::directory_iterator(argv[i]))
        if (e.is_regular_file()) arquivos.push_back(e.path());
    } else {
      arquivos.emplace_back(argv[i]);
    }
  }
  for (const auto& arquivo : arquivos) {
    std::ifstream entrada(arquivo, std::ios::binary);
    const std::string dados{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "%s\n", arquivo.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dados.data()), dados.size());
  }
  std::printf("%zu entradas sem falha\n", arquivos.size());
  return arquivos.empty() ? 1 : 0;
}
