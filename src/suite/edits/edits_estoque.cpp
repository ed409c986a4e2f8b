// Os edits dos cadastros de estoque: os construtores sobre as descrições e o que cada
// um faz além do edit de cadastro (o código de local em maiúsculas, as dimensões da
// grade do produto, os vários produtos de um texto, a unidade da taxa de conversão).
#include "vrmwnd/suite/edits/edits_estoque.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "servidor/le_cadastro.h"
#include "vrmwnd/base/CQZArray.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

CCQEditControleSimples::CCQEditControleSimples() : CEditCadastro(*DescricaoCadastro("controle-qualidade")) {}
CCodigoBarrasSimplesEdit::CCodigoBarrasSimplesEdit() : CEditCadastro(*DescricaoCadastro("codigo-barras")) {}
CLocaisEdit::CLocaisEdit() : CEditCadastro(*DescricaoCadastro("local")) {}
CMovimentoEdit::CMovimentoEdit() : CEditCadastro(*DescricaoCadastro("movimento")) {}
CProdutoEditEx::CProdutoEditEx() : CEditCadastro(*DescricaoCadastro("produto")) {}
CMultiProdutoEditEx::CMultiProdutoEditEx() : CEditCadastro(*DescricaoCadastro("produto")) {}
CRecbtoProdutoEdit::CRecbtoProdutoEdit() : CEditCadastro(*DescricaoCadastro("produto-recebimento")) {}
CTaxaConversaoUnMedida::CTaxaConversaoUnMedida() : CEditCadastro(*DescricaoCadastro("taxa-conversao")) {}

bool CLocaisEdit::GetLote(long& lLote) const {
  lLote = GetNumeroCorrente();
  return lLote != 0;
}

BOOL CLocaisEdit::OnCONTROL_REFLECT_EX_Change() {
  CString strTexto;
  GetWindowText(strTexto);
  CString strMaiusculas = strTexto;
  strMaiusculas.MakeUpper();
  if (strMaiusculas != strTexto) {
    DWORD dwSelecao = static_cast<DWORD>(SendMessage(EM_GETSEL));
    SetWindowText(strMaiusculas);
    SendMessage(EM_SETSEL, LOWORD(dwSelecao), HIWORD(dwSelecao));
    return TRUE;  // o SetWindowText já notificou com o texto novo
  }
  return CQZEditDF::OnCONTROL_REFLECT_EX_Change();
}

long CEditNumerico::GetNumero() const {
  if (m_hWnd == nullptr) return 0;
  CString strTexto;
  GetWindowText(strTexto);
  char* pFim = nullptr;
  const long lNumero = std::strtol(strTexto.GetString(), &pFim, 10);
  return pFim != nullptr && *pFim == '\0' ? lNumero : 0;
}

void CEditNumerico::SetNumero(long lNumero) {
  if (m_hWnd) SetWindowText(lNumero ? CString(std::to_string(lNumero).c_str()) : CString());
}

bool CProdutoEditEx::GetPosicao(_REG_POSICAO_PRODUTOPS& posicao) {
  posicao = _REG_POSICAO_PRODUTOPS{};
  if (!GetPosicaoComo(posicao.lProduto)) return false;
  posicao.lGrade1 = m_editGrade[0].GetNumero();
  posicao.lGrade2 = m_editGrade[1].GetNumero();
  posicao.lGrade3 = m_editGrade[2].GetNumero();
  return true;
}

bool CProdutoEditEx::SetPosicao(const _REG_POSICAO_PRODUTOPS& posicao) {
  const bool bAchou = CEditCadastro::SetPosicao(static_cast<DWORD>(posicao.lProduto));
  m_editGrade[0].SetNumero(bAchou ? posicao.lGrade1 : 0);
  m_editGrade[1].SetNumero(bAchou ? posicao.lGrade2 : 0);
  m_editGrade[2].SetNumero(bAchou ? posicao.lGrade3 : 0);
  return bAchou;
}

HRESULT CMultiProdutoEditEx::OnInicializa() {
  const HRESULT hr = CEditCadastro::OnInicializa();
  if (hr >= 0 && m_hWnd) SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(kLimiteTexto));
  return hr;
}

bool CMultiProdutoEditEx::Existe(CString* pstrTexto) {
  m_produtos.RemoveAll();
  CQZArray<CQZString> codigos;
  if (pstrTexto == nullptr || codigos.Split(*pstrTexto, ';') < 2) return CEditCadastro::Existe(pstrTexto);
  for (INT_PTR i = 0; i < codigos.GetSize(); ++i) {
    CString strCodigo = codigos[i];
    strCodigo.Trim();
    if (!CEditCadastro::Existe(&strCodigo) || m_lChave == 0) {
      m_produtos.RemoveAll();
      return false;
    }
    m_produtos.Add(static_cast<long>(m_lChave));
  }
  m_lChave = 0;
  return true;
}

int CMultiProdutoEditEx::GetPosicoes(CArray<long>* pProdutos) {
  if (pProdutos == nullptr) return 0;
  pProdutos->RemoveAll();
  long lProduto = 0;
  if (GetPosicaoComo(lProduto))
    pProdutos->Add(lProduto);
  else if (m_nEstadoValidacao == ESTADO_VALIDO)
    pProdutos->Append(m_produtos);
  return static_cast<int>(pProdutos->GetSize());
}

CString CMultiProdutoEditEx::GetStaticText() {
  if (m_nEstadoValidacao != ESTADO_VALIDO || m_produtos.GetSize() < 2) return CEditCadastro::GetStaticText();
  CString strTexto;
  strTexto.Format("%d produtos", static_cast<int>(m_produtos.GetSize()));
  return strTexto;
}

bool CTaxaConversaoUnMedida::SetPosicao(unsigned short iTaxa, unsigned short iUnidade) {
  if (!CEditCadastro::SetPosicao(iTaxa)) return false;
  if (iUnidade == 0 || GetNumeroCorrente() == iUnidade) return true;
  return CEditCadastro::SetPosicao(0);
}
