// compras origem: descreve a origem de um registro (quem gerou) dada a sua chave de
// 64 bits ou o seu texto de gravação, com todos os campos e os três textos.
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "comandos.h"
#include "vrmwnd/base/CQZQuemGerou.h"

namespace compras {
namespace {

bool SoDigitos(const char* sz) {
  if (*sz == '\0') return false;
  for (; *sz; ++sz)
    if (!std::isdigit(static_cast<unsigned char>(*sz))) return false;
  return true;
}

void Mostra(const CQZQuemGerou& q) {
  char szNome[128], szDocumento[128], szArtigo[8];
  q.GetNomeOrigem(szNome, sizeof szNome);
  q.GetNomeDocumento(szDocumento, sizeof szDocumento);
  q.GetArtigo(szArtigo, sizeof szArtigo);
  const ULONG nData = q.GetData();
  int nDia = 0, nMes = 0, nAno = 0;
  CString data;
  switch (q.GetTipoChave()) {
    case QZDMC_TIPO_DMA:
      QZDMAParaData(nData, &nDia, &nMes, &nAno);
      if (nDia) data.Format(" (%02d/%02d/%04d)", nDia, nMes, nAno);
      break;
    case QZDMC_TIPO_MA:
      QZMAParaData(static_cast<REG_QZMA>(nData), &nMes, &nAno);
      if (nMes && nData <= 0xFFFF) data.Format(" (%s de %d)", QZNomeMes(nMes), nAno);
      break;
    default: break;
  }
  std::printf("Chave:              %s\n", static_cast<const char*>(q.GetChaveTexto()));
  std::printf("Texto de gravação:  %s\n", static_cast<const char*>(q.GetDescricaoCompleta()));
  std::printf("Descrição:          %s\n", static_cast<const char*>(q.GetDescricao()));
  std::printf("Forma da data:      %d (%s)\n", q.GetTipoChave(), CQZQuemGerou::NomeTipoChave(q.GetTipoChave()));
  std::printf("Data:               %u%s\n", nData, static_cast<const char*>(data));
  std::printf("Número:             %u\n", q.GetNumero());
  std::printf("Origem:             %d%s%s%s\n", q.GetOrigem(), *szNome ? " (" : " (sem rótulo", szNome, ")");
  if (*szDocumento) std::printf("Documento:          %s%s%s\n", szArtigo, *szArtigo ? " " : "", szDocumento);
  std::printf("Posição:            %u (0x%X)\n", q.GetPosicao(), q.GetPosicao());
}

}  // namespace

int ComandoOrigem(int argc, char** argv) {
  const TComando& eu = Comando("origem");
  if (argc != 1)
    return UsoErrado(eu,
                     "informe a chave (351843721576470) ou o texto de gravação entre aspas "
                     "(\"MA - 05/1848 - 42 - 5\")");
  const char* szArgumento = argv[0];
  if (SoDigitos(szArgumento)) {
    errno = 0;
    const unsigned long long chave = std::strtoull(szArgumento, nullptr, 10);
    if (errno == ERANGE) return UsoErrado(eu, "a chave não cabe em 64 bits");
    REG_QZDMC reg;
    reg.SetValor(chave);
    Mostra(CQZQuemGerou(reg));
    return 0;
  }
  CQZQuemGerou origem;
  if (!origem.LeDescricaoCompleta(CString(szArgumento)))
    return UsoErrado(eu, "texto de origem ilegível: esperado \"FORMA - DATA - NÚMERO - ORIGEM\"");
  Mostra(origem);
  return 0;
}

}  // namespace compras
