// Os títulos das retenções de um registro de entrada importado das notas comerciais,
// prontos para o diálogo dos títulos (o comando e a tela usam os mesmos), e o texto
// dos títulos com as suas linhas e o total comparado ao retido do registro.
#include <string>

#include "comandos.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

CString Data(REG_QZDMA dma) {
  char szData[16];
  return QZDataTexto(szData, sizeof szData, dma, QZ_DATA_DMAAAA, '/', true);
}

CString Conta(CDlgTitulos& dlg, long lConta) {
  if (lConta == 0) return "(sem conta)";
  const _RegContaPS conta = dlg.LeConta(lConta);
  CString s;
  s.Format("%s %s", std::string(conta.szCodigo()).c_str(), std::string(conta.szDescricao()).c_str());
  return s;
}

CString Gerenciais(CDlgTitulos& dlg, const TCMRateioTitulo& linha) {
  CString s;
  for (int k = 0; k < linha.GetQuantidadeGerencial(); ++k) {
    const TQZGerencial g = linha.GetGerencial(k);
    _RegContaPS conta;
    dlg.GetUsaServidor()->LeDFPlano(dlg.m_ppIPlano, g.GetPonteiroPlanoGerencial(), &conta, true);
    s.AppendFormat("%s%s %s", k ? "; " : " [", std::string(conta.szCodigo()).c_str(),
                   CVRMSVRUtil::ToStringV4(g.GetValor(), 2).GetString());
  }
  return s.IsEmpty() ? s : s + "]";
}

}  // namespace

bool PreparaTitulos(const char* szEmpresa, const T_Lista<long>& notas, CDlgTitulos& dlg, TCMRERegistroEntrada& registro,
                    CString& strErro) {
  CTrataDadosREWnd tratador(nullptr);
  tratador.SetProfiler(szEmpresa, 1, 1);
  if (tratador.OnInicializa(szEmpresa) != 0) {
    strErro = tratador.GetUsaServidor()->GetUltimoErro().c_str();
    return false;
  }
  try {
    registro = tratador.ImportaNotaComercial(notas);
  } catch (const CQZExceptionEx& e) {
    strErro.Format("a leitura das notas falhou: %s (código %#X)", tratador.GetUsaServidor()->GetUltimoErro().c_str(),
                   static_cast<unsigned>(e.GetResultado()));
    tratador.OnFinaliza();
    return false;
  } catch (const vrmsuite::CQZErroLayout& e) {
    strErro.Format("nota malformada: %s", e.what());
    tratador.OnFinaliza();
    return false;
  }
  tratador.OnFinaliza();
  dlg.SetProfiler(szEmpresa, 1, 1);
  if (dlg.OnInicializa() != 0) {
    strErro = dlg.GetUsaServidor()->GetUltimoErro().c_str();
    return false;
  }
  REG_QZDMC chave{};
  chave.SetValor(registro.GetRegQuemGerou().Valor());
  dlg.SetChaveMovimento(chave);
  dlg.SetDataEntrada(registro.GetRegDataEntrada());
  dlg.SetNumeroNF(registro.GetNumeroNotaFiscal());
  dlg.SetListaTitulo(CTrataDadosRE::GeraTitulosRetencao(registro));
  return true;
}

CString DescreveTitulos(CDlgTitulos& dlg, const TCMRERegistroEntrada& registro) {
  CString s;
  if (dlg.GetQuantidadeTitulo() == 0) s = "O registro não retém impostos: nenhum título.\n";
  CQZCurrencyEx total;
  for (int i = 0; i < dlg.GetQuantidadeTitulo(); ++i) {
    const TCMTituloImposto t = dlg.GetTitulo(i);
    tagREG_CADDOCPS documento;
    dlg.GetUsaServidor()->LeDFDocumento(dlg.m_ppIDocumento, t.GetPonteiroTipoDocumento(), &documento);
    s.AppendFormat("%d. %s parcela %d | vence %s | cedente %s | documento %s | receita %ld | %s\n", i + 1,
                   CTrataDadosRE::GetNomeImposto(t.GetTipoImposto()).GetString(), t.GetParcela(),
                   Data(t.GetRegDataVencimento()).GetString(), Conta(dlg, t.GetCedente()).GetString(),
                   std::string(documento.szCodigo()).c_str(), t.GetCodigoReceita(),
                   CVRMSVRUtil::ToStringV4(t.GetValor(), 2).GetString());
    for (int j = 0; j < t.GetQuantidadeRateio(); ++j) {
      const TCMRateioTitulo linha = t.GetRateio(j);
      s.AppendFormat("   linha %d: filial %u | %s | %s%s\n", j + 1, static_cast<unsigned>(linha.GetFilial()),
                     Conta(dlg, linha.GetPonteiroClassificacao()).GetString(),
                     CVRMSVRUtil::ToStringV4(linha.GetValor(), 2).GetString(), Gerenciais(dlg, linha).GetString());
    }
    total += t.GetValor();
  }
  s.AppendFormat("Total dos títulos: %s | retido no registro: %s",
                 CVRMSVRUtil::ToStringV4(total.GetCY(), 2).GetString(),
                 CVRMSVRUtil::ToStringV4(registro.GetValorTotalRetencoes(), 2).GetString());
  return s;
}

}  // namespace compras
