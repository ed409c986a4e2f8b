// Edit de consulta sobre um cadastro da empresa descrito uma vez (TDescricaoCadastro:
// tabela, chave, código, descrição, lista e mensagem, e os filtros que o cadastro
// conhece). Digitar um código lê o registro e mostra a descrição no static; um código
// desconhecido, ao sair do campo, dá a mensagem do cadastro; F2 ou o botão abrem a
// lista; a posição (chave) se lê e se põe por programa.
#pragma once

#include <memory>

#include "vrmwnd/suite/edits/CBaseEditExDF.h"
#include "vrmwnd/suite/exporta.h"

namespace vrmsuite {
class CQZBancoEmpresa;
}  // namespace vrmsuite

// Um cadastro como os edits o leem. Os nomes de coluna são do esquema da empresa;
// filtros com coluna nula não se aplicam ao cadastro.
struct TDescricaoCadastro {
  const char* szNome;  // "filial", "conta", … (comando `consulta`, falhas programadas)
  const char* szTabela;
  const char* szColunaChave;
  const char* szColunaCodigo;     // o que a pessoa digita
  const char* szColunaDescricao;  // o que o static mostra
  const char* szCondicao;         // condição fixa em SQL, ou nula
  const char* szColunaFilial;     // linhas da filial do edit e as de todas (0)
  const char* szColunaTipo;       // letra de tipo (contas: 'A' analítica, 'T' sintética)
  const char* szColunaCaracteristica;
  const char* szColunaProdutoServico;  // 'P' produto, 'S' serviço
  const char* szTitulo;                // título da lista
  const char* szIDConsulta;
  const char* szTituloCodigo;  // títulos das duas colunas da lista
  const char* szTituloDescricao;
  unsigned long nMensagem;  // código desconhecido ou ambíguo
  const char* szModuloMensagem;
  int nLimiteTexto;  // caracteres que a pessoa pode digitar
  // Um número do registro que o edit devolve além da chave (o lote de um local, o
  // produto de um código de barras, a unidade de origem de uma taxa), ou nula.
  const char* szColunaNumero = nullptr;
  // A condição fixa no lugar de szCondicao quando o edit pede o plano gerencial, ou
  // nula (o cadastro não tem plano gerencial).
  const char* szCondicaoGerencial = nullptr;
};

// Os filtros de um edit; valor zero (ou texto vazio) não filtra.
struct TFiltroCadastro {
  WORD iFilial = 0;
  CString strTipos;  // letras de tipo aceitas ("A", "AT", …)
  int nCaracteristica = 0;
  char cProdutoServico = 0;
  bool bGerencial = false;  // o plano gerencial no lugar do plano de contas
};

class VRMWND_SUITE_API CEditCadastro : public CBaseEditExDF {
 public:
  explicit CEditCadastro(const TDescricaoCadastro& descricao);
  ~CEditCadastro() override;
  CEditCadastro(const CEditCadastro&) = delete;
  CEditCadastro& operator=(const CEditCadastro&) = delete;

  // Além da base: abre o banco da empresa do profiler (falha: QZ_E_SEM_CONEXAO) e
  // limita o texto.
  HRESULT OnInicializa() override;
  HRESULT OnFinaliza() override;

  const TDescricaoCadastro& GetDescricaoCadastro() const { return m_descricao; }
  TFiltroCadastro& Filtro() { return m_filtro; }

  // A chave do registro do texto, validando antes quando preciso; false e 0 sem
  // registro válido.
  bool GetPosicao(DWORD& lChave);
  // Mostra o registro da chave; chave 0 ou inexistente limpa o controle e devolve
  // false (a chave que não passa nos filtros também).
  bool SetPosicao(DWORD lChave);
  // Mostra o registro do código dado, que tem de ser um só nos filtros; senão limpa
  // e devolve false.
  bool SetPosicaoPorCodigo(const char* szCodigo);
  // GetPosicao no tipo de posição do edit derivado.
  template <class T>
  bool GetPosicaoComo(T& valor) {
    DWORD l = 0;
    const bool b = GetPosicao(l);
    valor = static_cast<T>(l);
    return b;
  }
  // O tipo (letra) do registro corrente, 0 sem registro ou sem coluna de tipo.
  char GetTipoCorrente() const { return m_nEstadoValidacao == ESTADO_VALIDO ? m_cTipo : 0; }
  // O número a mais do registro corrente (szColunaNumero), 0 sem registro.
  long GetNumeroCorrente() const { return m_nEstadoValidacao == ESTADO_VALIDO ? m_lNumero : 0; }
  CString GetStaticText() override;
  bool ValidaValor() override { return CBaseEditExDF::ValidaValor(); }
  void SetText(const char* szTexto) override { CBaseEditExDF::SetText(szTexto); }

  // A função de linha da lista: pedido 1, código e descrição da chave.
  static void F4(long lDono, unsigned short nPedido, long lChave, unsigned short nReservado, CString* pColunas);

 protected:
  // Vazio vale (sem chave); um código que dá exatamente um registro nos filtros é
  // aceito; nenhum ou vários, recusado com a mensagem do cadastro. Falha do banco:
  // CQZExceptionEx, que a base mostra.
  bool Existe(CString* pstrTexto) override;
  void OnConsulta(CConsulta* pConsulta) override;
  void MandaMensagem() override;
  BOOL OnUpdate() { return CBaseEditExDF::OnUpdate(); }
  BOOL OnSetFocus() { return CBaseEditExDF::OnSetFocus(); }
  BOOL OnKillFocus() { return CBaseEditExDF::OnKillFocus(); }
  vrmsuite::CQZBancoEmpresa* Banco() const { return m_pBanco.get(); }
  // Só o plano do filtro: a leitura de uma chave já achada nos filtros.
  const TFiltroCadastro& SoPlano() {
    m_soPlano.bGerencial = m_filtro.bGerencial;
    return m_soPlano;
  }

  const TDescricaoCadastro& m_descricao;
  TFiltroCadastro m_filtro;
  TFiltroCadastro m_soPlano;
  DWORD m_lChave = 0;
  CString m_strDescricao;
  char m_cTipo = 0;
  long m_lNumero = 0;
  unsigned long m_nMensagem = 0;
  std::shared_ptr<vrmsuite::CQZBancoEmpresa> m_pBanco;
  DECLARE_MESSAGE_MAP()
};
