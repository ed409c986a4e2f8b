// compras log: mostra um arquivo de erros do mês como uma tabela legível, um
// registro por bloco, com os nomes das colunas do cabeçalho.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "comandos.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZProfilerRegistro.h"
#include "vrmwnd/platform/clock.h"

namespace compras {
namespace {

std::vector<std::string> Campos(const std::string& strLinha) {
  std::vector<std::string> campos;
  std::size_t inicio = 0;
  for (std::size_t fim; (fim = strLinha.find('\t', inicio)) != std::string::npos; inicio = fim + 1)
    campos.push_back(strLinha.substr(inicio, fim - inicio));
  if (inicio < strLinha.size()) campos.push_back(strLinha.substr(inicio));
  return campos;
}

}  // namespace

int ComandoLog(int argc, char** argv) {
  const TComando& eu = Comando("log");
  SYSTEMTIME st{};
  GetLocalTime(&st);
  int nAno = st.wYear, nMes = st.wMonth;
  CString strEmpresa;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--mes") == 0 && i + 1 < argc) {
      const char* sz = argv[++i];
      if (std::strlen(sz) != 6 || std::strspn(sz, "0123456789") != 6 || std::sscanf(sz, "%4d%2d", &nAno, &nMes) != 2 ||
          nAno < 1 || nMes < 1 || nMes > 12)
        return UsoErrado(eu, "mês ilegível; use AAAAMM, seis algarismos, por exemplo 202401");
    } else if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      strEmpresa = argv[++i];
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (GaranteInstalacao(false).empty()) return 1;
  CString strPasta = strEmpresa.IsEmpty() ? CString() : QZDiretorioEmpresa(strEmpresa);
  if (strPasta.IsEmpty()) strPasta = QZDiretorioInstalacao();
  strPasta += QZNomeArquivoProfiler(eQZErro, !strEmpresa.IsEmpty(), nAno, nMes);
  strPasta.Replace('\\', '/');
  std::ifstream arquivo(strPasta.GetString());
  if (!arquivo) {
    std::printf("Nenhum erro registrado: %s não existe.\n", strPasta.GetString());
    if (strEmpresa.IsEmpty())
      std::printf("Os erros de uma empresa ficam na pasta dela: use --empresa NOME (a de amostra é AMOSTRA).\n");
    return 0;
  }
  std::string strLinha;
  std::getline(arquivo, strLinha);
  const std::vector<std::string> nomes = Campos(strLinha);
  int nRegistros = 0;
  while (std::getline(arquivo, strLinha)) {
    const std::vector<std::string> campos = Campos(strLinha);
    std::printf("── registro %d ──\n", ++nRegistros);
    for (std::size_t i = 0; i < campos.size(); ++i) {
      const std::string strNome = i < nomes.size() ? nomes[i] : "Parâmetro";
      std::printf("  %-18s %s\n", strNome.c_str(), campos[i].c_str());
    }
  }
  std::printf("%d registro(s) em %s\n", nRegistros, strPasta.GetString());
  return 0;
}

}  // namespace compras
