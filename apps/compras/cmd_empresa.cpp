// compras empresa criar [NOME]: cria a empresa de amostra (banco com o esquema e a
// amostra) na pasta de dados da plataforma e a registra; a empresa padrão também é
// criada no primeiro uso de um comando que lê dela.
#include <cstdio>
#include <cstring>
#include <string>

#include "comandos.h"
#include "vrmwnd/suite.h"

namespace compras {

bool PreparaAmbiente(const char* szEmpresa) {
  if (std::strcmp(szEmpresa, kEmpresaPadrao) != 0) return !GaranteInstalacao(false).empty();
  CString strFalha;
  if (VRMPreparaAmbiente(szEmpresa, &strFalha) == S_OK) return true;
  std::fprintf(stderr, "compras: %s\n", strFalha.GetString());
  return false;
}

int ComandoEmpresa(int argc, char** argv) {
  if (argc < 1 || std::strcmp(argv[0], "criar") != 0)
    return UsoErrado(Comando("empresa"), "o único subcomando é \"criar\"");
  if (argc > 2) return UsoErrado(Comando("empresa"), "argumentos demais");
  const char* szNome = argc == 2 ? argv[1] : kEmpresaPadrao;
  if (!vrmsuite::NomeEmpresaValido(szNome))
    return UsoErrado(Comando("empresa"), "nome de empresa: 1 a 64 letras, dígitos, '_' ou '-'");
  std::string strErro;
  const HRESULT hr = vrmsuite::CriaEmpresaDeAmostra(szNome, strErro);
  if (FAILED(hr)) {
    std::fprintf(stderr, "compras empresa: %s\n", strErro.c_str());
    return 1;
  }
  if (hr == S_FALSE) {
    std::printf("Empresa %s já tinha banco em %s, sem registro: registrada de novo\n", szNome,
                vrmsuite::ArquivoEmpresa(szNome).c_str());
    return 0;
  }
  std::printf("Empresa %s criada em %s\n", szNome, vrmsuite::ArquivoEmpresa(szNome).c_str());
  return 0;
}

}  // namespace compras
