// CDlgTitulos, o lado do chamador do diálogo dos títulos das retenções: os dados que
// a tela mostra e devolve (os títulos, a data de entrada, a chave do movimento, a
// condição de pagamento com os títulos já gravados, o plano gerencial sugerido, o
// número da nota, o modo só consulta) e o contexto das regras (os servidores da
// empresa, a tela do rateio gerencial) com a pergunta de cada título: falta dado?
#pragma once

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/suite/registros/TCMCondicaoPagamento.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"
#include "vrmwnd/suite/regras/CTrataDadosBase.h"
#include "vrmwnd/suite/regras/CTrataTelaGerencial.h"
#include "vrmwnd/util/exporta.h"

class CWnd;

class VRMWND_API CDlgTitulos : public CTrataDadosBase, public CQZProfilerEmpresa {
 public:
  // O diálogo 1048 e os seus controles.
  enum {
    IDD = 1048,
    IDC_GRADE_RATEIO = 13052,
    IDC_CEDENTE = 13049,
    IDC_HISTORICO = 13050,
    IDC_TIPO_DOCUMENTO = 13051,
    IDC_REMOVER = 13053,
    IDC_ALTERAR = 13054,
    IDC_ADICIONAR = 13055,
    IDC_CLASSIFICACAO = 13056,
    IDC_VALOR_RATEIO = 13057,
    IDC_DESC_CEDENTE = 13058,
    IDC_DESC_TIPO_DOCUMENTO = 13059,
    IDC_DESC_CLASSIFICACAO = 13060,
    IDC_COMPLEMENTO = 13061,
    IDC_VALOR_TOTAL = 13062,
    IDC_GRADE_TITULOS = 13064,
    IDC_ALTERAR_TITULO = 13065,
    IDC_VENCIMENTO = 13066,
    IDC_CODIGO_RECEITA = 13067,
    IDC_FILIAL = 13068,
    IDC_DESC_FILIAL = 13069
  };
  // O título da janela.
  static const char* const kTitulo;

  CDlgTitulos(CQZTimer* pTimer, CWnd* pPai);
  ~CDlgTitulos() override;

  // Liga as regras à empresa dada (nula: a do contexto, SetProfiler) e a tela
  // gerencial a este objeto; cada resultado diferente de 0 vai ao log de erros e volta.
  HRESULT OnInicializa(const char* szEmpresa = nullptr) override;
  HRESULT OnFinaliza() override;

  int GetTestarEnter() const { return m_nTestarEnter; }
  void SetTestarEnter(int n) { m_nTestarEnter = n; }
  REG_QZDMA GetDataEntrada() const { return m_dmaEntrada; }
  void SetDataEntrada(REG_QZDMA dma) { m_dmaEntrada = dma; }
  REG_QZDMC GetChaveMovimento() const { return m_chaveMovimento; }
  void SetChaveMovimento(REG_QZDMC chave) { m_chaveMovimento = chave; }
  unsigned char GetAnteriorIncompleta() const { return m_byAnteriorIncompleta; }
  void SetAnteriorIncompleta(unsigned char by) { m_byAnteriorIncompleta = by; }
  unsigned long GetPonteiroGerencial() const { return m_lPonteiroGerencial; }
  void SetPonteiroGerencial(unsigned long l) { m_lPonteiroGerencial = l; }
  const CString& GetNumeroNF() const { return m_strNumeroNF; }
  void SetNumeroNF(const CString& str) { m_strNumeroNF = str; }
  bool GetSomenteConsulta() const { return m_bSomenteConsulta; }
  void SetSomenteConsulta(bool b) { m_bSomenteConsulta = b; }
  T_Lista<TCMTituloImposto> GetListaTitulo() const { return m_Titulos; }
  void SetListaTitulo(T_Lista<TCMTituloImposto> lista) { m_Titulos = lista; }
  int GetQuantidadeTitulo() const { return static_cast<int>(m_Titulos.GetSize()); }
  // Índice fora da lista: CInvalidArgException.
  TCMTituloImposto GetTitulo(int i) const { return m_Titulos.GetAt(i); }
  void SetTitulo(int i, const TCMTituloImposto& titulo) { m_Titulos.SetAt(i, titulo); }
  // A condição não é deste objeto; nula quando não há títulos gravados.
  TCMCondicaoPagamento* GetCondicaoPagamento() const { return m_pCondicaoPagamento; }
  void SetCondicaoPagamento(TCMCondicaoPagamento* p) { m_pCondicaoPagamento = p; }
  CWnd* GetPai() const { return m_pPai; }

  // Abre o diálogo sobre o pai dado na construção, com os recursos do módulo; IDOK
  // (os títulos completados em GetListaTitulo) só quando nenhum título falta dado, ou
  // IDCANCEL sem mudar nada. O chamador liga as regras antes (OnInicializa).
  int DoModal();

  // O título i ainda falta dado (a consistência dele não o aceita)? Uma falha de
  // leitura da consistência é mostrada (QZTrataErro2) e a resposta é não.
  bool FaltaDados(int i);
  // O título gravado na condição para o imposto e a parcela do título i, ou nulo.
  const TCMTituloImposto* GetTituloAnterior(int i) const;

  CTrataTelaGerencial m_TrataDadosGerencial;

 private:
  CWnd* m_pPai;
  int m_nTestarEnter = 0;
  REG_QZDMA m_dmaEntrada = 0;
  REG_QZDMC m_chaveMovimento{};
  unsigned char m_byAnteriorIncompleta = 0;
  unsigned long m_lPonteiroGerencial = 0;
  CString m_strNumeroNF;
  bool m_bSomenteConsulta = false;
  T_Lista<TCMTituloImposto> m_Titulos;
  TCMCondicaoPagamento* m_pCondicaoPagamento = nullptr;
};
