// CQZQuemGerou: campos de bits do REG_QZDMC, textos e leitura do texto de gravação.
#include "vrmwnd/base/CQZQuemGerou.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "origens_rotulos.h"
#include "vrmwnd/base/CQZArray.h"

namespace {

struct TCampo {
  int nInicio;
  int nLargura;
  constexpr std::uint64_t Mascara() const { return ((std::uint64_t{1} << nLargura) - 1) << nInicio; }
};
constexpr TCampo kTipoChave{0, 2};
constexpr TCampo kOrigem{2, 12};
constexpr TCampo kNumero{14, 32};
constexpr TCampo kData{46, 18};

std::uint64_t Le(const REG_QZDMC& reg, TCampo campo) { return (reg.Valor() & campo.Mascara()) >> campo.nInicio; }

void Grava(REG_QZDMC& reg, TCampo campo, std::uint64_t valor) {
  reg.SetValor((reg.Valor() & ~campo.Mascara()) | ((valor << campo.nInicio) & campo.Mascara()));
}

// Copia szTexto para o buffer do chamador, limpo antes, sem partir um caractere.
void CopiaRotulo(const char* szTexto, char* szBuffer, int nTamanho) {
  if (szBuffer == nullptr || nTamanho <= 0) return;
  std::memset(szBuffer, 0, static_cast<size_t>(nTamanho));
  if (szTexto == nullptr) return;
  const CString cortado = Utf8CutToBytes(szTexto, nTamanho - 1);
  std::memcpy(szBuffer, static_cast<const char*>(cortado), static_cast<size_t>(cortado.GetLength()));
}

int TipoChaveDoToken(const CString& token) {
  static constexpr const char* kNomes[][2] = {{"Nenhum", "0"}, {"Ano", "1"}, {"MA", "2"}, {"DMA", "3"}};
  for (int i = 0; i < 4; ++i)
    if (token == kNomes[i][0] || token == kNomes[i][1]) return i;
  return QZDMC_TIPO_NENHUM;
}

// A parte de data do texto de gravação, lida pela forma.
ULONG DataDoToken(const CString& token, int nTipoChave) {
  const char* sz = token;
  if (token.Find('/') >= 0 && (nTipoChave == QZDMC_TIPO_MA || nTipoChave == QZDMC_TIPO_DMA)) {
    int a[3] = {0, 0, 0};
    const char* p = sz;
    for (int i = 0; i < 3 && p; ++i) {
      a[i] = std::atoi(p);
      p = std::strchr(p, '/');
      if (p) ++p;
    }
    return nTipoChave == QZDMC_TIPO_MA ? QZMA(a[0], a[1]) : QZDMA(a[0], a[1], a[2]);
  }
  return static_cast<ULONG>(std::atol(sz));
}

// Os campos do texto de gravação: sem brancos, partido em '-'. Uma parte vazia entre
// duas é o sinal de um número negativo (o número gravado com "%d" passa de 2^31 - 1
// e sai negativo) e se junta à parte seguinte.
std::vector<CString> CamposDoTexto(const CString& texto) {
  CString semBrancos(texto);
  semBrancos.Remove(' ');
  semBrancos.Remove('\t');
  CQZArray<CQZString> partes;
  partes.Split(semBrancos, '-');
  std::vector<CString> campos;
  for (INT_PTR i = 0; i < partes.GetSize(); ++i) {
    if (partes[i].IsEmpty() && i > 0 && i + 1 < partes.GetSize()) {
      campos.push_back("-" + CString(partes[++i]));
      continue;
    }
    campos.push_back(CString(partes[i]));
  }
  return campos;
}

// Um inteiro inteiro (sinal opcional e até 18 algarismos, sem sobras) entre os limites.
bool InteiroEstrito(const char* sz, long long llMinimo, long long llMaximo, long long* pValor) {
  const bool bNegativo = *sz == '-';
  const char* p = sz + (bNegativo ? 1 : 0);
  const std::size_t nDigitos = std::strspn(p, "0123456789");
  if (nDigitos == 0 || nDigitos > 18 || p[nDigitos] != '\0') return false;
  const long long llValor = (bNegativo ? -1 : 1) * std::strtoll(p, nullptr, 10);
  if (llValor < llMinimo || llValor > llMaximo) return false;
  *pValor = llValor;
  return true;
}

// A data como GetDescricaoCompleta a escreve: mês/ano ou dia/mês/ano válidos para as
// formas 2 e 3, senão o número do campo de 18 bits.
bool DataEstrita(const CString& campo, int nTipoChave) {
  long long a[3] = {0, 0, 0};
  if (campo.Find('/') < 0) return InteiroEstrito(campo, 0, (1 << 18) - 1, &a[0]);
  CQZArray<CQZString> partes;
  partes.Split(campo, '/');
  const INT_PTR nPartes = nTipoChave == QZDMC_TIPO_MA ? 2 : nTipoChave == QZDMC_TIPO_DMA ? 3 : 0;
  if (nPartes == 0 || partes.GetSize() != nPartes) return false;
  for (INT_PTR i = 0; i < nPartes; ++i)
    if (!InteiroEstrito(CString(partes[i]), 1, 9999, &a[i])) return false;
  const int d = static_cast<int>(a[0]), m = static_cast<int>(a[1]), y = static_cast<int>(a[2]);
  return nPartes == 2 ? QZMAValido(QZMA(d, m)) : QZDMAValida(QZDMA(d, m, y));
}

// A origem, talvez seguida do rótulo entre parênteses, que pode conter '-' e termina
// o texto.
bool OrigemEstrita(const std::vector<CString>& campos) {
  const CString& campo = campos[3];
  const int nParentese = campo.Find('(');
  long long llOrigem = 0;
  if (nParentese < 0) return campos.size() == 4 && InteiroEstrito(campo, 0, 4095, &llOrigem);
  const CString& ultimo = campos.back();
  return InteiroEstrito(campo.Left(nParentese), 0, 4095, &llOrigem) && !ultimo.IsEmpty() &&
         ultimo[ultimo.GetLength() - 1] == ')';
}

}  // namespace

CQZQuemGerou::CQZQuemGerou(ULONG lPosicao, int nOrigem) {
  if (lPosicao == 0) return;
  SetNumero(lPosicao >> 12);
  SetData(lPosicao & 0xFFF);
  SetOrigem(nOrigem);
  SetTipoChave(QZDMC_TIPO_MA);
}

CQZQuemGerou::CQZQuemGerou(ULONG nNumero, int nOrigem, ULONG nData, int nTipoChave) {
  SetNumero(nNumero);
  SetOrigem(nOrigem);
  SetData(nData);
  SetTipoChave(nTipoChave);
}

CQZQuemGerou::CQZQuemGerou(ULONG nNumero, REG_QZDMA dma) {
  SetNumero(nNumero);
  SetDataDMA(dma);
}

CQZQuemGerou::CQZQuemGerou(ULONG nNumero, REG_QZMA ma) {
  SetNumero(nNumero);
  SetDataMA(ma);
}

CQZQuemGerou::CQZQuemGerou(const CString& texto) { SetDescricaoCompleta(texto); }

int CQZQuemGerou::GetTipoChave() const { return static_cast<int>(Le(m_reg, kTipoChave)); }
int CQZQuemGerou::GetOrigem() const { return static_cast<int>(Le(m_reg, kOrigem)); }
ULONG CQZQuemGerou::GetNumero() const { return static_cast<ULONG>(Le(m_reg, kNumero)); }
ULONG CQZQuemGerou::GetData() const { return static_cast<ULONG>(Le(m_reg, kData)); }
void CQZQuemGerou::SetTipoChave(int nTipoChave) { Grava(m_reg, kTipoChave, static_cast<std::uint64_t>(nTipoChave)); }
void CQZQuemGerou::SetOrigem(int nOrigem) { Grava(m_reg, kOrigem, static_cast<std::uint64_t>(nOrigem)); }
void CQZQuemGerou::SetNumero(ULONG nNumero) { Grava(m_reg, kNumero, nNumero); }
void CQZQuemGerou::SetData(ULONG nData) { Grava(m_reg, kData, nData); }

void CQZQuemGerou::SetDataDMA(REG_QZDMA dma) {
  SetData(dma);
  SetTipoChave(QZDMAValida(dma) ? QZDMC_TIPO_DMA : QZDMC_TIPO_NENHUM);
}

void CQZQuemGerou::SetDataMA(REG_QZMA ma) {
  SetData(ma);
  SetTipoChave(QZMAValido(ma) ? QZDMC_TIPO_MA : QZDMC_TIPO_NENHUM);
}

void CQZQuemGerou::SetDataAno(int nAno) {
  SetData(static_cast<ULONG>(nAno));
  SetTipoChave(nAno != 0 ? QZDMC_TIPO_ANO : QZDMC_TIPO_NENHUM);
}

ULONG CQZQuemGerou::GetPosicao() const { return (GetNumero() << 12) | (GetData() & 0xFFFF); }

const char* CQZQuemGerou::NomeTipoChave(int nTipoChave) {
  static constexpr const char* kNomes[] = {"Nenhum", "Ano", "MA", "DMA"};
  return nTipoChave >= 0 && nTipoChave <= 3 ? kNomes[nTipoChave] : "";
}

CString CQZQuemGerou::GetChaveTexto() const {
  CString texto;
  texto.Format("%I64u", static_cast<unsigned long long>(m_reg.Valor()));
  return texto;
}

// Mês e data por extenso com '/'; um código inválido sai como número, que a leitura
// aceita de volta.
CString CQZQuemGerou::TextoDaData() const {
  CString texto;
  const ULONG nData = GetData();
  int nDia, nMes, nAno;
  switch (GetTipoChave()) {
    case QZDMC_TIPO_MA:
      QZMAParaData(static_cast<REG_QZMA>(nData), &nMes, &nAno);
      if (nData <= 0xFFFF && nMes != 0) {
        texto.Format("%02d/%04d", nMes, nAno);
        return texto;
      }
      break;
    case QZDMC_TIPO_DMA:
      QZDMAParaData(nData, &nDia, &nMes, &nAno);
      if (nDia != 0) {
        texto.Format("%02d/%02d/%04d", nDia, nMes, nAno);
        return texto;
      }
      break;
    default: break;
  }
  texto.Format("%d", static_cast<int>(nData));
  return texto;
}

CString CQZQuemGerou::GetDescricaoCompleta() const {
  const TRotuloOrigem& rotulo = RotuloDaOrigem(GetOrigem());
  CString sufixo;
  if (rotulo.szCompleto != nullptr && *rotulo.szCompleto != '\0') sufixo.Format(" (%s)", rotulo.szCompleto);
  CString texto;
  texto.Format("%s - %s - %d - %d%s", NomeTipoChave(GetTipoChave()), static_cast<const char*>(TextoDaData()),
               static_cast<int>(GetNumero()), GetOrigem(), static_cast<const char*>(sufixo));
  return texto;
}

void CQZQuemGerou::SetDescricaoCompleta(const CString& texto) {
  const std::vector<CString> campos = CamposDoTexto(texto);
  const auto campo = [&campos](std::size_t i) { return i < campos.size() ? campos[i] : CString(); };

  m_reg = REG_QZDMC{};
  const int nTipoChave = TipoChaveDoToken(campo(0));
  SetTipoChave(nTipoChave);
  SetData(DataDoToken(campo(1), nTipoChave));
  // "%d" de um número acima de 2^31 - 1 sai negativo: os 32 bits o restauram.
  SetNumero(static_cast<ULONG>(std::strtoll(campo(2), nullptr, 10)));
  SetOrigem(static_cast<int>(std::atol(campo(3))));
}

bool CQZQuemGerou::LeDescricaoCompleta(const CString& texto) {
  const std::vector<CString> campos = CamposDoTexto(texto);
  if (campos.size() < 4) return false;
  static constexpr const char* kFormas[] = {"Nenhum", "0", "Ano", "1", "MA", "2", "DMA", "3"};
  int nTipoChave = -1;
  for (int i = 0; i < 8; ++i)
    if (campos[0] == kFormas[i]) nTipoChave = i / 2;
  long long llNumero = 0;
  if (nTipoChave < 0 || !DataEstrita(campos[1], nTipoChave) ||
      !InteiroEstrito(campos[2], INT32_MIN, UINT32_MAX, &llNumero) || !OrigemEstrita(campos))
    return false;
  SetDescricaoCompleta(texto);
  return true;
}

CString CQZQuemGerou::GetDescricao() const {
  const int nOrigem = GetOrigem();
  char szRotulo[128];
  GetNomeOrigem(nOrigem, szRotulo, sizeof szRotulo);
  CString texto(nOrigem == 21 || nOrigem == 22 ? "" : "Módulo ");
  texto += szRotulo;
  if (nOrigem != 24) {
    CString data;
    switch (GetTipoChave()) {
      case QZDMC_TIPO_ANO: data.Format(" - Ano: %04I64u", static_cast<unsigned long long>(GetData())); break;
      case QZDMC_TIPO_MA: data = " - Mês/Ano: " + TextoDaData(); break;
      case QZDMC_TIPO_DMA: data = " - Data: " + TextoDaData(); break;
      default: break;
    }
    texto += data;
  }
  CString chave;
  chave.Format(" - Chave: %u", GetNumero());
  texto += chave;
  return Utf8CutToChars(texto, 255);
}

void CQZQuemGerou::GetNomeOrigem(int nOrigem, char* szBuffer, int nTamanho) {
  CopiaRotulo(RotuloDaOrigem(nOrigem).szCompleto, szBuffer, nTamanho);
}

void CQZQuemGerou::GetNomeDocumento(int nOrigem, char* szBuffer, int nTamanho) {
  CopiaRotulo(RotuloDaOrigem(nOrigem).szCurto, szBuffer, nTamanho);
}

void CQZQuemGerou::GetArtigo(int nOrigem, char* szBuffer, int nTamanho) {
  CopiaRotulo(RotuloDaOrigem(nOrigem).szArtigo, szBuffer, nTamanho);
}
