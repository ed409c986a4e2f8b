// Edit de consulta de condições de pagamento (CCondicaoPagamentoEdit): a pessoa digita
// o código ou escolhe na lista "Relação de Condição de Pagamento" (código, condição,
// parcelas e periodicidade); o controle guarda a chave de 16 bits, confere se o
// módulo que chama pode usar a condição e se ela vale na data de referência, e abre o
// cadastro de condições (programa "CADCPAG") com F6 na lista ou pelo cadastro.
#pragma once

#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/edits/CBaseEditExDF.h"
#include "vrmwnd/suite/servidor/IQZDF_Materiais.h"
#include "vrmwnd/suite/servidor/IQZDF_Periodo.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API CCondicaoPagamentoEditImplement {
 public:
  virtual ~CCondicaoPagamentoEditImplement() { delete[] m_pPeriodos; }
  CConexaoCondicaoPagamento m_conexao;
  unsigned char m_nModulo = 13;
  REG_QZDMA m_dataValidade = 0;
  REG_PERIODICIDADEPS* m_pPeriodos = nullptr;  // só enquanto a lista está aberta
  DWORD m_nPeriodos = 0;
  int m_nMensagem = 0;  // mensagem do módulo "DF" da última recusa
  CString m_strDescricao;
};

class VRMWND_API CCondicaoPagamentoEdit : public CBaseEditExDF {
 public:
  CCondicaoPagamentoEdit();
  ~CCondicaoPagamentoEdit() override;
  CCondicaoPagamentoEdit(const CCondicaoPagamentoEdit&) = delete;
  CCondicaoPagamentoEdit& operator=(const CCondicaoPagamentoEdit&) = delete;

  HRESULT CriaServidor() { return m_pImplement->m_conexao.CriaServidor(); }
  IQZDF_Materiais* GetInterface() { return m_pImplement->m_conexao.GetInterface(); }
  // Número do módulo da suíte que usa o controle; só estes valores significam algo:
  // 13 (o padrão) e 19 aceitam as condições marcadas para o módulo 13, 14 as marcadas
  // para o módulo 14, e 0 aceita todas. Qualquer outro número, inclusive o 7 das
  // compras, recusa toda condição com a mensagem 5590.
  void SetModulo(unsigned char nModulo) { m_pImplement->m_nModulo = nModulo; }
  unsigned char GetModulo() const { return m_pImplement->m_nModulo; }
  // Data de referência da validade (0: não confere a validade).
  void SetDataValidade(REG_QZDMA data) { m_pImplement->m_dataValidade = data; }
  REG_QZDMA GetDataValidade() const { return m_pImplement->m_dataValidade; }
  // Mostra a condição da chave; chave 0 ou leitura que falha limpam o controle
  // (a falha vai para o log de erros). Sempre true.
  bool SetPonteiro(unsigned short iPonteiro);
  // true e a chave quando o texto é uma condição válida; senão false e 0. Valida
  // antes quando o texto ainda não foi validado.
  bool GetPonteiro(unsigned short& iPonteiro);

  HRESULT OnInicializa() override;
  HRESULT OnFinaliza() override;
  CString GetStaticText() override;
  bool ValidaValor() override { return CBaseEditExDF::ValidaValor(); }
  void SetText(const char* szTexto) override { CBaseEditExDF::SetText(szTexto); }
  void FazConsulta() { CBaseEditExDF::FazConsulta(); }
  // Abre o cadastro de condições com a empresa, o usuário, a sessão e o código do
  // campo (vazio quando o código não é aceito).
  void ChamaTelaCadastro() override;

  // "Nome  -  (N unidade)": singular só com quantidade 1; unidade desconhecida deixa
  // só o número e o espaço entre parênteses.
  static CString TextoPeriodicidade(const REG_PERIODICIDADEPS& rPeriodo);
  // A função de linha da lista: pedido 1 preenche código, condição, parcelas e as
  // periodicidades do código da condição (uma leitura que falha é mostrada e a linha
  // sai do registro zerado); pedido 2 abre o cadastro para incluir.
  static void F4(long lDono, unsigned short nPedido, long lChave, unsigned short nReservado, CString* pColunas);

 protected:
  // Recusa com 5508 (não existe), 5591 (vencida na data de referência) ou 5590 (o
  // módulo não pode usar); aceita sem gravar a chave.
  bool Existe(CString* pstrTexto) override;
  // Configura a lista, busca as chaves e a tabela de periodicidades (cada falha é
  // mostrada e a lista abre mesmo assim) e põe a linha escolhida no controle.
  void OnConsulta(CConsulta* pConsulta) override;
  void MandaMensagem() override;
  BOOL OnUpdate() { return CBaseEditExDF::OnUpdate(); }
  BOOL OnSetFocus() { return CBaseEditExDF::OnSetFocus(); }
  BOOL OnKillFocus() { return CBaseEditExDF::OnKillFocus(); }

  CCondicaoPagamentoEditImplement* m_pImplement;
  DECLARE_MESSAGE_MAP()

 private:
  HRESULT LePorCodigo(const char* szFuncao, WORD& iChave, REG_CONDICAO_PAGAMENTOPS& rCondicao);
  void CarregaPeriodos();
  void AbreCadastro(const CString& strParametros);
};
