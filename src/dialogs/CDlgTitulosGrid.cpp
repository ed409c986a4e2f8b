// As grades do diálogo dos títulos: as colunas de cada uma, os textos das células
// lidos dos cadastros (a leitura que falha vai ao log e deixa a célula vazia), os
// títulos que faltam dado em vermelho, e a linha escolhida que passa ao diálogo.
#include <iterator>
#include <string>
#include <string_view>

#include "CDlgTitulosImpl.h"
#include "grade_configuravel.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/suite/leiautes/REG_FILIALPS.h"
#include "vrmwnd/suite/leiautes/REG_HISTORICOPS.h"
#include "vrmwnd/suite/leiautes/_RegContaPS.h"
#include "vrmwnd/suite/leiautes/tagREG_CADDOCPS.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/regras/CTrataDadosRE.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/modulo.h"

namespace {

using vrmwnd::dialogos::TColunaGrade;
constexpr TColunaGrade kColunasTitulos[] = {
    {"Imposto", 100, QZALINHA_ESQUERDA, 3}, {"Filial", 100, QZALINHA_ESQUERDA, 3},
    {"Data Vcto", 100, QZALINHA_CENTRO, 4}, {"Nº Documento", 100, QZALINHA_ESQUERDA, 3},
    {"Cedente", 100, QZALINHA_ESQUERDA, 3}, {"Tipo Documento", 100, QZALINHA_ESQUERDA, 3},
    {"Valor", 60, QZALINHA_DIREITA, 2},     {"Histórico", 100, QZALINHA_ESQUERDA, 3},
};
constexpr TColunaGrade kColunasRateio[] = {
    {"Filial", 55, QZALINHA_ESQUERDA, 3},
    {"Classificação", 200, QZALINHA_ESQUERDA, 3},
    {"Valor", 60, QZALINHA_DIREITA, 2},
};

CString Data(REG_QZDMA dma) {
  char szData[16];
  return QZDataTexto(szData, sizeof szData, dma, QZ_DATA_DMAAAA, '/', true);
}

CString Valor(CY cy) { return CVRMSVRUtil::ToStringV4(cy, 2); }

CString Texto(std::string_view s) { return CString(std::string(s).c_str()); }

}  // namespace

CDlgTitulosGradeBase::CDlgTitulosGradeBase(CDlgTitulosImpl* pDlg, CDlgTitulos* pDono)
    : CQZDFEditProfilerBrowserWnd(pDono), m_pDlg(pDlg), m_pBase(pDono) {}

void CDlgTitulosGradeBase::Prepara(const char* szIdentificador, int nColunas) {
  vrmwnd::dialogos::PreparaGradeConfiguravel(*this, szIdentificador, nColunas);
  CQZBrowserWnd::OnInitialUpdate();
}

bool CDlgTitulosGradeBase::LeituraOk(HRESULT hr, const char* szClasseFuncao, const char* szFonte, int nLinha,
                                     const char* szExpressao) {
  if (QZVerificaHR(hr, eQZFalhaSeNaoZero, GetContextoProfiler(), szClasseFuncao, szFonte, nLinha, szExpressao) == 0)
    return true;
  if (hr < 0)
    QZTrataErro2(hr, nLinha, QZ_MODULO_COMPRAS, m_pBase->GetEmpresaProfiler(), szFonte, nLinha, QZ_COMPILACAO, false,
                 nullptr, vrmwnd::kArquivoModulo);
  return false;
}

void CDlgTitulosGridLancamentos::OnInitialUpdate() {
  Prepara("DlgTitulosGridLancamentos", static_cast<int>(std::size(kColunasTitulos)));
}

void CDlgTitulosGridLancamentos::OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) {
  vrmwnd::dialogos::DescreveColuna(kColunasTitulos, nColuna, coluna);
}

#define LE_CELULA(expressao) \
  LeituraOk(expressao, "CDlgTitulosGridLancamentos::OnLoadCellStyle", "DlgTitulosGridLancamentos", __LINE__, #expressao)

CString CDlgTitulosGridLancamentos::TextoCelula(const TCMTituloImposto& tTituloImposto, ROWCOL nCol) {
  switch (nCol) {
    case 1: return CTrataDadosRE::GetNomeImposto(tTituloImposto.GetTipoImposto());
    case 2: {
      REG_DF_FILIALPS RegFilial;
      if (tTituloImposto.GetFilial() == 0 || !LE_CELULA(m_pBase->GetUsaServidor()->LeDFFilial(
                                                 m_pBase->m_ppIFilial, tTituloImposto.GetFilial(), &RegFilial)))
        return CString();
      return Texto(RegFilial.szNome());
    }
    case 3: return Data(tTituloImposto.GetRegDataVencimento());
    case 4: return tTituloImposto.GetNumeroDocumento();
    case 5: {
      _RegContaPS RegContaLocal;
      if (tTituloImposto.GetCedente() == 0 || !LE_CELULA(m_pBase->GetUsaServidor()->LeDFPlano(
                                                  m_pBase->m_ppIPlano, tTituloImposto.GetCedente(), &RegContaLocal)))
        return CString();
      return Texto(RegContaLocal.szDescricao());
    }
    case 6: {
      tagREG_CADDOCPS RegDocumento;
      if (tTituloImposto.GetPonteiroTipoDocumento() == 0 ||
          !LE_CELULA(m_pBase->GetUsaServidor()->LeDFDocumento(
              m_pBase->m_ppIDocumento, tTituloImposto.GetPonteiroTipoDocumento(), &RegDocumento)))
        return CString();
      return Texto(RegDocumento.szDescricao());
    }
    case 7: return Valor(tTituloImposto.GetValor());
    case 8: {
      REG_HISTORICOPS RegHistorico;
      if (tTituloImposto.GetPonteiroHistorico() == 0 ||
          !LE_CELULA(m_pBase->GetUsaServidor()->LeDFHistorico(m_pBase->m_ppIHistorico,
                                                              tTituloImposto.GetPonteiroHistorico(), &RegHistorico)))
        return CString();
      return Texto(RegHistorico.szDescricao());
    }
    default: return CString();
  }
}

#undef LE_CELULA

BOOL CDlgTitulosGridLancamentos::OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) {
  if (nRow == 0 || nCol == 0 || (pszExistente != nullptr && *pszExistente != '\0')) return TRUE;
  const long nRegistro = GetRecordFromRow(nRow);
  if (nRegistro < 0 || nRegistro >= m_pBase->GetQuantidadeTitulo()) return TRUE;
  if (m_pBase->FaltaDados(static_cast<int>(nRegistro))) style.SetTextColor(CVRMWNDUtil::COR_VERMELHO);
  style.SetValue(TextoCelula(m_pBase->GetTitulo(static_cast<int>(nRegistro)), nCol));
  return TRUE;
}

void CDlgTitulosGridLancamentos::OnLinhaSelecionada(long nRegistro) {
  if (nRegistro >= 0) m_pDlg->CarregaTitulo(static_cast<int>(nRegistro));
}

void CDlgTitulosGrid::OnInitialUpdate() { Prepara("DlgTitulosGrid", static_cast<int>(std::size(kColunasRateio))); }

void CDlgTitulosGrid::OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) {
  vrmwnd::dialogos::DescreveColuna(kColunasRateio, nColuna, coluna);
}

BOOL CDlgTitulosGrid::OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) {
  if (nRow == 0 || nCol == 0 || (pszExistente != nullptr && *pszExistente != '\0')) return TRUE;
  const int nTitulo = m_pDlg->GetTituloAtual();
  if (nTitulo < 0 || nTitulo >= m_pBase->GetQuantidadeTitulo()) return TRUE;
  const TCMTituloImposto titulo = m_pBase->GetTitulo(nTitulo);
  const long nRegistro = GetRecordFromRow(nRow);
  if (nRegistro < 0 || nRegistro >= titulo.GetQuantidadeRateio()) return TRUE;
  const TCMRateioTitulo& linha = titulo.GetRateio(static_cast<int>(nRegistro));
  switch (nCol) {
    case 1:
      if (linha.GetFilial() != 0) style.SetValue(Texto(m_pBase->LeDFFilial(linha.GetFilial()).szNome()));
      break;
    case 2:
      if (linha.GetPonteiroClassificacao() != 0)
        style.SetValue(Texto(m_pBase->LeConta(linha.GetPonteiroClassificacao()).szDescricao()));
      break;
    case 3: style.SetValue(Valor(linha.GetValor())); break;
    default: break;
  }
  return TRUE;
}

void CDlgTitulosGrid::OnLinhaSelecionada(long nRegistro) {
  if (nRegistro >= 0) m_pDlg->CarregaRateio(static_cast<int>(nRegistro));
}
